#include "steps/capture.h"

#include "steps/guidance.h"
#include "steps/haul.h"

namespace ricattura {

namespace {

constexpr double kFewestMarked = 10;

}  // namespace

void captureHaul(SimulationState& state, MainView& view, RandomSource& random) {
    view.setText(Field::Instructions, guidance::lines({guidance::kCaptureMore, guidance::kCaptureThenMark}));
    state.hauls = state.hauls + 1;
    state.caught = state.caught + drawHaulCatch(random);
    state.marked = state.caught;
    view.setText(Field::Caught, decimalText(state.caught));
    view.setText(Field::ToMark, decimalText(state.marked));
    view.setText(Field::Hauls, decimalText(state.hauls));
    view.setEnabled(Button::MarkFish, true);
}

void markFish(SimulationState& state, MainView& view) {
    view.setEnabled(Button::CaptureHaul, false);
    state.marked = leadingNumber(view.markInputText());
    if (state.marked > state.caught) state.marked = state.caught;
    // The lower limit is checked last, so it wins over the catch.
    if (state.marked < kFewestMarked) state.marked = kFewestMarked;
    view.setText(Field::ToMark, decimalText(state.marked));
    state.markedShare = state.marked / state.trueSize;
    view.setText(Field::Instructions, std::string(guidance::kMarkedParts[0]) + decimalText(state.marked) +
                                          std::string(guidance::kMarkedParts[1]));
    view.setEnabled(Button::ReleaseMarked, true);
    view.setEnabled(Button::MarkFish, false);
}

void releaseMarked(MainView& view) {
    view.setText(Field::Instructions, std::string(guidance::kReleased));
    view.setEnabled(Button::RecaptureHaul, true);
    view.setEnabled(Button::ReleaseMarked, false);
}

}  // namespace ricattura
