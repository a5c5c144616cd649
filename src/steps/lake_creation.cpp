#include "steps/lake_creation.h"

#include "core/number_text.h"

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

void createLake(SimulationState& state, MainView& view, RandomSource& random) {
    random.reseed();
    const double surface = drawWhole(random, kSurfaceHectares);
    const double productivity = drawWhole(random, kKilogramsPerHectare);
    const double size = drawWhole(random, kGramsPerFish);

    view.setText(Field::Instructions, "Il lago ha una superficie di " + messageText(surface) +
                                   " ettari, con una produzione media di " + messageText(productivity) +
                                   " kg per ettaro della specie in esame, che ha una taglia media di " +
                                   messageText(size) + " grammi." + std::string(kCrLf) +
                                   "Clicca sul bottone 2 per effettuare una cala e catturare degli individui.");

    state.trueSize = surface * productivity / size * kGramsPerKilogram;
    const double deviation = (random.draw() - 0.5) / kDeviationDivisor;
    state.trueSize = std::floor(state.trueSize + state.trueSize * deviation);

    view.setEnabled(Button::CaptureHaul, true);
    view.setEnabled(Button::Restart, true);
    view.setEnabled(Button::CreateLake, false);
}

}  // namespace ricattura
