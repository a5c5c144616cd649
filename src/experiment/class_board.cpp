#include "experiment/class_board.h"

#include "core/seeded_random_source.h"
#include "core/number_text.h"
#include "experiment/axis.h"
#include "experiment/repeated_experiment.h"
#include "steps/lake_creation.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

constexpr std::size_t kMostDigits = 9;  // far beyond any lake, and exact in a double
constexpr std::size_t kGroupDigits = 3;
constexpr double kDecimalBase = 10;
constexpr double kMarginPastTop = 1.05;
constexpr double kStackColumns = 75;  // dots closer than this share of the axis are stacked

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == ';';
}

// Plain digits, or a first group of one to three digits and then groups of exactly three, joined by dots.
std::optional<double> wholeNumber(std::string_view token) {
    const bool grouped = token.find('.') != std::string_view::npos;
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
    if (grouped && groupLength != kGroupDigits) return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.empty() || digits.size() > kMostDigits) return std::nullopt;
    double value = 0;
    for (char c : digits) value = value * kDecimalBase + (c - '0');
    return value;
}

}  // namespace

ClassEntries parseClassEntries(std::string_view typed) {
    ClassEntries entries;
    for (std::size_t i = 0; i < typed.size();) {
        if (isSeparator(typed[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < typed.size() && !isSeparator(typed[end])) ++end;
        const std::string_view token = typed.substr(i, end - i);
        i = end;
        if (entries.estimates.size() + entries.notUnderstood.size() == kMaxClassEntries)
            ++entries.ignored;
        else if (const auto value = wholeNumber(token))
            entries.estimates.push_back(*value);
        else
            entries.notUnderstood.emplace_back(token);
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
    double top = trueSize.value_or(0);
    for (double e : estimates) top = std::max(top, e);
    DotPlot plot;
    plot.end = axisEnd(top * kMarginPastTop);
    plot.ticks = axisTicks(plot.end);
    std::vector<int> stacked(static_cast<std::size_t>(kStackColumns), 0);
    for (double e : estimates) {
        const double at = e / plot.end;
        const auto column = std::min(static_cast<std::size_t>(at * kStackColumns), stacked.size() - 1);
        plot.dots.push_back({at, stacked[column]++});
    }
    return plot;
}

std::string classSummary(const ClassEntries& entries) {
    std::string text = "Stime lette: " + decimalText(static_cast<double>(entries.estimates.size()));
    if (const auto middle = median(entries.estimates)) text += "; mediana della classe: " + decimalText(*middle);
    text += ".";
    if (!entries.notUnderstood.empty())
        text += " Voci non comprese: " + decimalText(static_cast<double>(entries.notUnderstood.size())) +
                " (sono elencate qui sotto: correggile e disegna di nuovo).";
    if (entries.ignored > 0)
        text += " Si leggono al più " + decimalText(kMaxClassEntries) + " voci: le " +
                decimalText(static_cast<double>(entries.ignored)) + " successive non sono state considerate.";
    return text;
}

std::string revealText(double trueSize, const std::array<int, kVerdictCount>& bands) {
    std::string text = "Il numero reale è " + decimalText(trueSize) + ". Stime per fascia di errore:";
    for (std::size_t v = 0; v < kVerdictCount; ++v)
        text += " " + verdictBand(static_cast<Verdict>(v)) + " (" + verdictName(static_cast<Verdict>(v)) +
                "): " + decimalText(bands[v]) + (v + 1 < kVerdictCount ? ";" : ".");
    return text;
}

}  // namespace ricattura
