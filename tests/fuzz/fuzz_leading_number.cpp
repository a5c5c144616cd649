// Any text read as a number gives a finite value whose text reads back as the same value.
#include "control/number_text.h"
#include "support/number_shape.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ricattura;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const double value = leadingNumber(input);
    if (!std::isfinite(value)) __builtin_trap();
    if (value == 0 && std::signbit(value)) __builtin_trap();
    const std::string text = decimalText(value);
    if (!testing::isPlainNumber(text)) __builtin_trap();
    if (decimalText(leadingNumber(text)) != text) __builtin_trap();
    return 0;
}
