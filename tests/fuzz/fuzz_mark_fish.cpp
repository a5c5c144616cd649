// Marking with any typed text keeps the count between 10 and the catch and shows a plain number.
#include "control/number_text.h"
#include "steps/capture.h"
#include "support/fake_view.h"
#include "support/number_shape.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ricattura;
    // The first two bytes choose the catch (10 to 65545 fish, any number of hauls); the rest is typed.
    if (size < 2) return 0;
    const double caught = 10 + data[0] * 256 + data[1];
    SimulationState state{.ncatturati = caught, .nmarcati = caught, .dimpop = 918};
    testing::FakeView view;
    view.type(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    markFish(state, view);
    if (!(state.nmarcati >= 10 && state.nmarcati <= caught)) __builtin_trap();
    if (!std::isfinite(state.k) || state.k <= 0) __builtin_trap();
    const std::string& shown = view.text(Field::Text3);
    if (!testing::isPlainNumber(shown) || shown != fieldText(state.nmarcati)) __builtin_trap();
    if (view.text(Field::Text1).find(" " + shown + " individui") == std::string::npos) __builtin_trap();
    return 0;
}
