#include "experiment/class_board.h"

#include "core/seeded_random_source.h"
#include "core/number_text.h"
#include "experiment/axis.h"
#include "experiment/experiment_words.h"
#include "steps/lake_creation.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

constexpr std::size_t kMostDigits = 9;  // far beyond any lake, and exact in a double
constexpr std::size_t kGroupDigits = 3;
constexpr double kDecimalBase = 10;
constexpr double kMarginPastTop = 1.05;
constexpr double kBulkPastMedian = 3;  // the axis reaches three times the class's median, no further
constexpr double kStackColumns = 75;   // dots closer than this share of the axis are stacked

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == ';';
}
bool isAllDigits(std::string_view t) { return !t.empty() && std::all_of(t.begin(), t.end(), isDigit); }

// Plain digits, or a first group of one to three digits and then groups of exactly three, joined by dots.
std::optional<std::string> digitsOf(std::string_view token) {
    std::string digits;
    std::size_t groups = 0, groupLength = 0;
    for (char c : token) {
        if (c == '.') {
            const bool firstGroupFits = groups == 0 && groupLength > 0 && groupLength <= kGroupDigits;
            if (groupLength != kGroupDigits && !firstGroupFits) return std::nullopt;
            ++groups;
            groupLength = 0;
            continue;
        }
        if (!isDigit(c)) return std::nullopt;
        digits += c;
        ++groupLength;
    }
    if (groups > 0 && groupLength != kGroupDigits) return std::nullopt;
    return digits;
}

// One entry: an estimate, a group without one, or what is wrong with it.
void readEntry(std::string_view token, ClassEntries& entries) {
    if (token == "-" || token == "nessuna" || token == "Nessuna") {
        ++entries.withoutEstimate;
        return;
    }
    if (isDigit(token.front()) && token.find('-') != std::string_view::npos) {
        entries.codes.emplace_back(token);
        return;
    }
    const std::optional<std::string> digits = digitsOf(token);
    if (digits && digits->size() <= kMostDigits && digits->front() != '0') {
        double value = 0;
        for (char c : *digits) value = value * kDecimalBase + (c - '0');
        entries.estimates.push_back(value);
        return;
    }
    std::string hint;
    if (digits && digits->find_first_not_of('0') == std::string::npos)
        hint = "Una stima di 0 pesci non è possibile.";
    else if (digits && digits->front() == '0')
        hint = "Scrivilo senza zeri iniziali.";
    entries.notUnderstood.push_back({std::string(token), hint});
}

}  // namespace

ClassEntries parseClassEntries(std::string_view typed) {
    // The entries, each with whether only blanks part it from the one before.
    std::vector<std::pair<std::string_view, bool>> tokens;
    bool blanksOnly = false;
    for (std::size_t i = 0; i < typed.size();) {
        if (isSeparator(typed[i])) {
            blanksOnly = blanksOnly && typed[i] == ' ';
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < typed.size() && !isSeparator(typed[end])) ++end;
        tokens.emplace_back(typed.substr(i, end - i), blanksOnly && !tokens.empty());
        i = end;
        blanksOnly = true;
    }
    ClassEntries entries;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        // «12 500»: one to three digits, then groups of exactly three after a blank. One number or two? Never guess.
        std::size_t last = t;
        if (isAllDigits(tokens[t].first) && tokens[t].first.size() <= kGroupDigits && tokens[t].first.front() != '0')
            while (last + 1 < tokens.size() && tokens[last + 1].second && isAllDigits(tokens[last + 1].first) &&
                   tokens[last + 1].first.size() == kGroupDigits)
                ++last;
        const std::size_t read = entries.estimates.size() + entries.notUnderstood.size() + entries.codes.size() +
                                 static_cast<std::size_t>(entries.withoutEstimate);
        if (read == kMaxClassEntries) {
            ++entries.ignored;
        } else if (last > t) {
            const char* begin = tokens[t].first.data();
            const std::string_view grouped(
                begin, static_cast<std::size_t>(tokens[last].first.data() - begin) + tokens[last].first.size());
            std::string joined;
            for (std::size_t g = t; g <= last; ++g) joined += tokens[g].first;
            entries.notUnderstood.push_back(
                {std::string(grouped),
                 "Un solo numero si scrive senza spazi, come " + joined + ", e più stime vanno su righe diverse."});
        } else {
            readEntry(tokens[t].first, entries);
        }
        t = last;
    }
    return entries;
}

double lakeTrueSize(LakeCode code) {
    FixedSeed seed(code);
    SeededRandomSource random(seed);
    return drawLake(random).trueSize;
}

std::array<int, kVerdictCount> bandCounts(const std::vector<double>& estimates, double trueSize) {
    std::array<int, kVerdictCount> counts{};
    for (double e : estimates) ++counts[static_cast<std::size_t>(verdictFor(percentError(e, trueSize)))];
    return counts;
}

DotPlot dotPlot(const std::vector<double>& estimates, std::optional<double> trueSize) {
    const double bulk = median(estimates).value_or(0) * kBulkPastMedian;
    double top = trueSize.value_or(0);
    for (double e : estimates)
        if (e <= bulk) top = std::max(top, e);
    DotPlot plot;
    plot.end = axisEnd(top * kMarginPastTop);
    plot.ticks = axisTicks(plot.end);
    std::vector<int> stacked(static_cast<std::size_t>(kStackColumns), 0);
    for (double e : estimates) {
        const double at = e / plot.end;
        if (at > 1) {
            ++plot.beyond;
            continue;
        }
        const auto column = std::min(static_cast<std::size_t>(at * kStackColumns), stacked.size() - 1);
        plot.dots.push_back({at, stacked[column]++});
    }
    return plot;
}

std::string classSummary(const ClassEntries& entries) {
    std::string text = "Stime lette " + decimalText(static_cast<double>(entries.estimates.size())) + ".";
    if (const auto middle = median(entries.estimates)) text += " Mediana della classe " + decimalText(*middle) + ".";
    if (entries.withoutEstimate > 0) text += " Gruppi senza stima " + decimalText(entries.withoutEstimate) + ".";
    if (!entries.notUnderstood.empty())
        text += " Voci non comprese " + decimalText(static_cast<double>(entries.notUnderstood.size())) +
                ", elencate qui sotto. Correggetele e disegnate di nuovo.";
    if (entries.ignored > 0)
        text += " Si leggono al massimo " + decimalText(kMaxClassEntries) + " voci, e le altre " +
                decimalText(static_cast<double>(entries.ignored)) + " sono state ignorate.";
    return text;
}

std::string notUnderstoodText(const NotUnderstood& entry) {
    return "Hai scritto " + entry.typed + "." + (entry.hint.empty() ? "" : " " + entry.hint);
}

std::string revealText(double trueSize) { return "Il numero reale di pesci è " + decimalText(trueSize) + "."; }

}  // namespace ricattura
