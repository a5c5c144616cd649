#include "core/announcement.h"

#include "core/layout.h"
#include "core/number_text.h"

namespace ricattura {

namespace {

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

}  // namespace

std::string announcementFor(const FieldTexts& before, const FieldTexts& after) {
    std::string words;
    auto add = [&words](const std::string& part) { words += (words.empty() ? "" : " ") + part; };
    if (after[0] != before[0]) add(asOneLine(after[0]));
    for (std::size_t f = 1; f < kFieldCount; ++f)
        if (after[f] != before[f] && !after[f].empty()) add(std::string(kLabels[f].caption) + ": " + after[f] + ".");
    return words;
}

}  // namespace ricattura
