#include "hostile_inputs.h"

#include <array>
#include <string_view>

namespace ricattura::testing {

namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

std::vector<HostileInput> makeInputs() {
    using namespace std::string_literals;
    return {
        {"empty", "", 10},
        {"blanks only", "     ", 10},
        {"letters", "pesci", 10},
        {"nan", "nan", 10},
        {"NaN", "NaN", 10},
        {"inf", "inf", 10},
        {"minus inf", "-inf", 10},
        {"infinity", "infinity", 10},
        {"overflow", "1e309", 150},
        {"negative overflow", "-1e309", 10},
        {"underflow", "1e-400", 10},
        {"C hexadecimal", "0x10", 10},
        {"Basic hexadecimal", "&H10", 10},
        {"decimal comma", "12,5", 12},
        {"thousands dot", "1.000", 10},
        {"leading blanks", "  42", 42},
        {"inner blank", "4 2", 10},
        {"inner blank above 10", "42 7", 42},
        {"plus sign", "+17", 17},
        {"double minus", "--15", 10},
        {"negative", "-40", 10},
        {"zero", "0", 10},
        {"leading point", ".5", 10},
        {"trailing point", "15.", 15},
        {"fraction kept", "42.5", 42.5},
        {"fraction below ten", "9.5", 10},
        {"above the catch", "151", 150},
        {"dangling exponent", "12e", 12},
        {"dangling exponent sign", "12e+", 12},
        {"exponent", "1.2e2", 120},
        {"full-width digits", "\xEF\xBC\x94\xEF\xBC\x92", 10},
        {"Arabic-Indic digits", "\xD9\xA4\xD9\xA2", 10},
        {"a mebibyte of digits", std::string(kMebibyte, '7'), 150},
        {"a mebibyte of letters", std::string(kMebibyte, 'x'), 10},
        {"embedded NUL", "12\0 99"s, 12},
        {"emoji first", "\xF0\x9F\x90\x9F" "20", 10},
        {"emoji after", "20\xF0\x9F\x90\x9F", 20},
        {"right-to-left mark", "\xE2\x80\x8F" "20", 10},
        {"invalid UTF-8", "\xFF\xFE" "20", 10},
        {"number then invalid UTF-8", "20\xC3", 20},
    };
}

}  // namespace

const std::vector<HostileInput>& hostileInputs() {
    static const std::vector<HostileInput> inputs = makeInputs();
    return inputs;
}

std::string randomMarkText(std::mt19937_64& rng) {
    constexpr int kHugeOneIn = 5000;
    constexpr std::array<std::string_view, 16> kPieces{"0", "1", "9", "42", ".", ",", "e", "E", "+", "-", " ",
                                                        "x", "\t", "\xC3\xA8", "\xFF", "1e308"};
    const auto& inputs = hostileInputs();
    std::uniform_int_distribution<int> coin(0, 1);
    if (std::uniform_int_distribution<int>(0, kHugeOneIn)(rng) == 0)
        return inputs[std::uniform_int_distribution<std::size_t>(0, inputs.size() - 1)(rng)].text;
    if (coin(rng) == 0) {
        std::string pick;
        do pick = inputs[std::uniform_int_distribution<std::size_t>(0, inputs.size() - 1)(rng)].text;
        while (pick.size() > 64);
        return pick;
    }
    std::string text;
    const int pieces = std::uniform_int_distribution<int>(0, 8)(rng);
    for (int i = 0; i < pieces; ++i) {
        if (std::uniform_int_distribution<int>(0, 9)(rng) == 0)
            text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        else
            text += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(rng)];
    }
    return text;
}

}  // namespace ricattura::testing
