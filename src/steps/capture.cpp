#include "steps/capture.h"

#include "core/number_text.h"
#include "steps/haul.h"

namespace ricattura {

namespace {

constexpr double kFewestMarked = 10;

}  // namespace

void captureHaul(SimulationState& state, MainView& view, RandomSource& random) {
    view.setText(Field::Instructions,
                 "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato "
                 "abbastanza individui." +
                     std::string(kCrLf) +
                     "Quando ritieni di aver catturato abbastanza individui, puoi modificare il numero di "
                     "individui da marcare e procedere a marcarli cliccando il bottone 3.");
    state.hauls = state.hauls + 1;
    state.caught = state.caught + drawHaulCatch(random);
    state.marked = state.caught;
    view.setText(Field::Caught, fieldText(state.caught));
    view.setText(Field::ToMark, fieldText(state.marked));
    view.setText(Field::Hauls, fieldText(state.hauls));
    view.setEnabled(Button::MarkFish, true);
}

void markFish(SimulationState& state, MainView& view) {
    view.setEnabled(Button::CaptureHaul, false);
    state.marked = leadingNumber(view.markInputText());
    if (state.marked > state.caught) state.marked = state.caught;
    // The lower limit is checked last, so it wins over the catch.
    if (state.marked < kFewestMarked) state.marked = kFewestMarked;
    view.setText(Field::ToMark, fieldText(state.marked));
    state.markedShare = state.marked / state.trueSize;
    view.setText(Field::Instructions, "Una volta marcati " + messageText(state.marked) +
                                   " individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
    view.setEnabled(Button::ReleaseMarked, true);
    view.setEnabled(Button::MarkFish, false);
}

void releaseMarked(MainView& view) {
    view.setText(Field::Instructions,
                 "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle "
                 "ricatture cliccando sul bottone 5.");
    view.setEnabled(Button::RecaptureHaul, true);
    view.setEnabled(Button::ReleaseMarked, false);
}

}  // namespace ricattura
