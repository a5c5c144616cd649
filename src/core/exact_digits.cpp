#include "core/exact_digits.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <cstdint>
#include <vector>

namespace ricattura {

namespace {

// A whole number of any size, in 32-bit limbs from the least significant.
class Whole {
public:
    explicit Whole(std::uint64_t value)
        : limbs_{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)} {}

    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }
    void shiftLeft(int bits) {
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
        multiplyBy(std::uint32_t{1} << (bits % 32));
    }
    void multiplyByPowerOfTen(int power) {
        constexpr int kNinePowers = 9;  // 10^9, the largest power of ten a limb holds
        for (; power >= kNinePowers; power -= kNinePowers) multiplyBy(1'000'000'000);
        for (; power > 0; --power) multiplyBy(10);
    }
    void halve() {
        for (std::size_t i = 0; i < limbs_.size(); ++i)
            limbs_[i] = (limbs_[i] >> 1) | (i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0);
    }
    void subtract(const Whole& other) {  // other must not exceed *this
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            borrow += std::int64_t{limbs_[i]} - (i < other.limbs_.size() ? other.limbs_[i] : 0);
            limbs_[i] = static_cast<std::uint32_t>(borrow);
            borrow = borrow < 0 ? -1 : 0;
        }
    }
    friend int compare(const Whole& a, const Whole& b) {
        for (std::size_t i = std::max(a.limbs_.size(), b.limbs_.size()); i-- > 0;) {
            const std::uint32_t x = i < a.limbs_.size() ? a.limbs_[i] : 0, y = i < b.limbs_.size() ? b.limbs_[i] : 0;
            if (x != y) return x < y ? -1 : 1;
        }
        return 0;
    }

private:
    std::vector<std::uint32_t> limbs_;
};

constexpr int kQuotientBits = 64;

// numerator / denominator, rounded half to even, when the quotient fits in 64 bits.
std::uint64_t roundedQuotient(Whole numerator, Whole denominator) {
    Whole shifted = denominator;
    shifted.shiftLeft(kQuotientBits);
    std::uint64_t quotient = 0;
    for (int bit = 0; bit < kQuotientBits; ++bit) {
        shifted.halve();
        quotient <<= 1;
        if (compare(numerator, shifted) >= 0) {
            numerator.subtract(shifted);
            quotient |= 1;
        }
    }
    numerator.shiftLeft(1);  // twice the remainder, against the denominator
    const int half = compare(numerator, denominator);
    return quotient + (half > 0 || (half == 0 && quotient % 2 == 1) ? 1 : 0);
}

// The value times 10^shift, rounded to a whole number: value = mantissa x 2^binary.
std::uint64_t scaled(std::uint64_t mantissa, int binary, int shift) {
    Whole numerator(mantissa), denominator(1);
    if (binary >= 0)
        numerator.shiftLeft(binary);
    else
        denominator.shiftLeft(-binary);
    if (shift > 0)
        numerator.multiplyByPowerOfTen(shift);
    else
        denominator.multiplyByPowerOfTen(-shift);
    return roundedQuotient(numerator, denominator);
}

}  // namespace

SignificantDigits significantDigits(double value, int count) {
    constexpr int kMantissaBits = 52;
    constexpr int kExponentBias = 1075;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);  // the browser build's library has no std::bit_cast
    const auto biased = static_cast<int>(bits >> kMantissaBits & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << kMantissaBits) - 1);
    if (biased) mantissa |= std::uint64_t{1} << kMantissaBits;
    const int binary = (biased ? biased : 1) - kExponentBias;
    // log10(2) as 78913 / 2^18, close enough for every exponent a double has: the first guess is the power of ten
    // or one below it.
    const int highestBit = 63 - std::countl_zero(mantissa) + binary;
    int exponent = static_cast<int>((static_cast<std::int64_t>(highestBit) * 78913) >> 18);
    std::uint64_t limit = 1;
    for (int i = 0; i < count; ++i) limit *= 10;
    std::uint64_t digits = scaled(mantissa, binary, count - 1 - exponent);
    // The guess was one short, or rounding carried into a new digit (9.99… became 10.0…): one power of ten up.
    if (digits >= limit) digits = scaled(mantissa, binary, count - 1 - ++exponent);
    return {std::to_string(digits), exponent};
}

}  // namespace ricattura
