// Catches a typed text that reads as a non-finite number or "-0", or whose number does not read back.
#include "core/number_text.h"
#include "doubles.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ricattura;
    const double value = leadingNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!std::isfinite(value) || (value == 0 && std::signbit(value))) __builtin_trap();
    const std::string text = decimalText(value);
    if (!testing::isPlainNumber(text) || decimalText(leadingNumber(text)) != text) __builtin_trap();
    return 0;
}
