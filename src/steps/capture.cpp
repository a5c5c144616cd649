#include "steps/capture.h"

#include "core/number_text.h"
#include "steps/haul.h"

namespace ricattura {

namespace {

constexpr double kFewestMarked = 10;

}  // namespace

void captureHaul(SimulationState& state, MainView& view, RandomSource& random) {
    view.setText(Field::Text1,
                 "Puoi effettuare più cale cliccando ancora sul bottone 2, finchè non ritieni di aver catturato "
                 "abbastanza individui." +
                     std::string(kCrLf) +
                     "Quando ritieni di aver catturato abbastanza individui, puoi modificare il numero di "
                     "individui da marcare e procedere a marcarli cliccando il bottone 3.");
    state.cale = state.cale + 1;
    state.ncatturati = state.ncatturati + drawHaulCatch(random);
    state.nmarcati = state.ncatturati;
    view.setText(Field::Text2, fieldText(state.ncatturati));
    view.setText(Field::Text3, fieldText(state.nmarcati));
    view.setText(Field::Text10, fieldText(state.cale));
    view.setEnabled(Button::Command3, true);
}

void markFish(SimulationState& state, MainView& view) {
    view.setEnabled(Button::Command2, false);
    state.nmarcati = leadingNumber(view.markInputText());
    if (state.nmarcati > state.ncatturati) state.nmarcati = state.ncatturati;
    // The lower limit is checked last, so it wins over the catch.
    if (state.nmarcati < kFewestMarked) state.nmarcati = kFewestMarked;
    view.setText(Field::Text3, fieldText(state.nmarcati));
    state.k = state.nmarcati / state.dimpop;
    view.setText(Field::Text1, "Una volta marcati " + messageText(state.nmarcati) +
                                   " individui, puoi procedere a riimetterli nel lago cliccando sul bottone 4.");
    view.setEnabled(Button::Command4, true);
    view.setEnabled(Button::Command3, false);
}

void releaseMarked(MainView& view) {
    view.setText(Field::Text1,
                 "Trascorso un tempo sufficiente a disperdere gli individui marcati, puoi procedere alle "
                 "ricatture cliccando sul bottone 5.");
    view.setEnabled(Button::Command5, true);
    view.setEnabled(Button::Command4, false);
}

}  // namespace ricattura
