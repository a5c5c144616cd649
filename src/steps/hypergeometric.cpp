#include "steps/hypergeometric.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

// Below this share of the likeliest count's chance a count is taken as impossible: far under what a draw of 53
// bits can tell apart.
constexpr double kNegligible = 1e-18;

}  // namespace

double hypergeometricDraw(double u, double fish, double marked, double caught, double markedOdds) {
    const double unmarked = fish - marked;
    const double fewest = std::max(0.0, caught - unmarked);
    const double most = std::min(caught, marked);
    // Chances relative to the likeliest count, stepped from one count to the next: only products and quotients, so
    // every platform with IEEE doubles draws the same count.
    auto down = [&](double x) {
        return x * (unmarked - caught + x) / ((marked - x + 1) * (caught - x + 1) * markedOdds);
    };
    auto up = [&](double x) {
        return (marked - x) * (caught - x) * markedOdds / ((x + 1) * (unmarked - caught + x + 1));
    };
    const double likeliest = std::clamp(std::floor((caught + 1) * (marked + 1) / (fish + 2)), fewest, most);
    double total = 1, lowest = likeliest, lowestChance = 1;
    for (double x = likeliest, chance = 1; x > fewest; --x) {
        chance *= down(x);  // P(x - 1) / P(likeliest)
        if (chance < kNegligible) break;
        total += chance;
        lowest = x - 1;
        lowestChance = chance;
    }
    for (double x = likeliest, chance = 1; x < most; ++x) {
        chance *= up(x);  // P(x + 1) / P(likeliest)
        if (chance < kNegligible) break;
        total += chance;
    }
    // From the lowest count up, the first whose share of the chances passes u.
    double target = u * total;
    double x = lowest;
    for (double chance = lowestChance; (target -= chance) >= 0 && x < most; ++x) chance *= up(x);
    return x;
}

}  // namespace ricattura
