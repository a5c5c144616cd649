#include "control/announcement.h"

#include "core/layout.h"
#include "core/number_text.h"
#include "steps/guidance.h"

#include <utility>

namespace ricattura {

namespace {

// What the screen writes, and how it is said.
constexpr std::pair<std::string_view, std::string_view> kSpoken[] = {
    {guidance::kIntro,
     "Per iniziare la simulazione premi il bottone 1, Crea un lago. Sarà creato un lago ideale e, dentro di esso, "
     "una popolazione di pesci."},
    {guidance::kFormula, "n per M diviso m"},
    {"E'", "È"},
    {"piu'", "più"},
    {"%", " per cento"},
};

// Speech has no line breaks: each run of them, with the blanks around it, becomes one blank.
std::string asOneLine(const std::string& text) {
    std::string line;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == kCrLf[0] || c == kCrLf[1]) {
            blank = !line.empty();
            continue;
        }
        if (blank) line += ' ';
        blank = false;
        line += c;
    }
    return line;
}

std::string spoken(std::string text) {
    for (const auto& [written, said] : kSpoken)
        for (auto at = text.find(written); at != std::string::npos; at = text.find(written, at + said.size()))
            text.replace(at, written.size(), said);
    return text;
}

}  // namespace

std::string spokenInstructions(const std::string& text) { return asOneLine(spoken(text)); }

std::string announcementFor(const FieldTexts& before, const FieldTexts& after) {
    std::string words;
    auto add = [&words](const std::string& part) { words += (words.empty() ? "" : " ") + part; };
    if (after[0] != before[0]) add(spokenInstructions(after[0]));
    for (std::size_t f = 1; f < kFieldCount; ++f)
        if (after[f] != before[f] && !after[f].empty())
            add(std::string(spokenName(Field(f))) + " " + spoken(after[f]) + ".");
    return words;
}

}  // namespace ricattura
