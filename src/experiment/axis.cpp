#include "experiment/axis.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

constexpr double kTargetTicks = 5;

}  // namespace

double niceStep(double span) {
    constexpr double kTen = 10;
    if (!(span > 0)) return 1;
    // The power of ten at or below the span, by steps of ten: no logarithm, which C libraries round differently.
    double step = 1;
    while (step * kTen <= span) step *= kTen;
    while (step > span) step /= kTen;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * step >= span) return factor * step;
    return kTen * step;
}

std::vector<double> axisTicks(double end) {
    const double step = niceStep(end / kTargetTicks);
    std::vector<double> ticks;
    for (double t = 0; t <= end; t += step) ticks.push_back(t);
    return ticks;
}

double axisEnd(double top) {
    const double step = niceStep(top / kTargetTicks);
    return std::max(step, std::ceil(top / step) * step);
}

std::optional<double> quantile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return std::nullopt;
    const double position = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (position - std::floor(position)) * (sorted[above] - sorted[below]);
}

std::optional<double> median(std::vector<double> values) {
    constexpr double kHalf = 0.5;
    std::sort(values.begin(), values.end());
    return quantile(values, kHalf);
}

}  // namespace ricattura
