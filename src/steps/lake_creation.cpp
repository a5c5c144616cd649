#include "steps/lake_creation.h"

#include "steps/guidance.h"

#include <cmath>

namespace ricattura {

namespace {

// Each parameter is a whole number drawn uniformly from [lowest, lowest + span).
struct DrawnRange {
    double span;
    double lowest;
};
constexpr DrawnRange kSurfaceHectares{90, 10};
constexpr DrawnRange kKilogramsPerHectare{50, 5};
constexpr DrawnRange kGramsPerFish{40, 10};
constexpr double kGramsPerKilogram = 1000;
constexpr double kDeviationDivisor = 5;  // (r - 0.5) / 5 lies in [-10 %, +10 %)

double drawWhole(RandomSource& random, DrawnRange range) {
    return std::floor(random.draw() * range.span + range.lowest);
}

}  // namespace

Lake drawLake(RandomSource& random) {
    random.reseed();
    Lake lake;
    lake.surface = drawWhole(random, kSurfaceHectares);
    lake.productivity = drawWhole(random, kKilogramsPerHectare);
    lake.size = drawWhole(random, kGramsPerFish);
    // The biomass in kilograms over one fish's grams, then up to 10 % either way.
    const double base = lake.surface * lake.productivity / lake.size * kGramsPerKilogram;
    const double deviation = (random.draw() - 0.5) / kDeviationDivisor;
    lake.trueSize = std::floor(base + base * deviation);
    return lake;
}

Lake createLake(SimulationState& state, MainView& view, RandomSource& random) {
    const Lake lake = drawLake(random);
    using namespace guidance;
    const std::string description = std::string(kLakeParts[0]) + decimalText(lake.surface) +
                                    std::string(kLakeParts[1]) + decimalText(lake.productivity) +
                                    std::string(kLakeParts[2]) + decimalText(lake.size) + std::string(kLakeParts[3]);
    view.setText(Field::Instructions, lines({description, kLakeNext}));
    state.trueSize = lake.trueSize;
    view.setEnabled(Button::CaptureHaul, true);
    view.setEnabled(Button::Restart, true);
    view.setEnabled(Button::CreateLake, false);
    return lake;
}

}  // namespace ricattura
