#pragma once

#include <optional>
#include <vector>

namespace ricattura {

// The smallest of 1, 2 or 5 times a power of ten that is at least `span`.
double niceStep(double span);
// Axis labels every niceStep(end / 5), from 0 up to end.
std::vector<double> axisTicks(double end);
// The end of an axis from 0 that reaches `top`: a whole number of label steps.
double axisEnd(double top);

// The value below which a share p of the sorted values lie, between neighbours; none when empty.
std::optional<double> quantile(const std::vector<double>& sorted, double p);
// The middle value, or the mean of the two middle ones; none for no values.
std::optional<double> median(std::vector<double> values);

}  // namespace ricattura
