#include "results/result_code.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace ricattura {

namespace {

constexpr char kSeparator = '-';
constexpr char kFishByFishLetter = 'P';
// One letter a trick, in the order of Trick; none reads like a digit.
constexpr std::string_view kTrickLetters = " MTCND";
// The check letter: a weighted sum of the code's characters, modulo 19, a prime, so that one character changed or
// two neighbours swapped always change it.
constexpr std::string_view kCheckLetters = "ACDEFHJKMNPQRTUVWXY";
constexpr int kCheckModulus = 19;
constexpr std::string_view kValued = "0123456789-PMTCND";  // every character before the check, each its own value

constexpr const char* kNotACode = "non è un codice di Ricattura";

std::optional<char> checkLetter(std::string_view body) {
    int sum = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const std::size_t value = kValued.find(body[i]);
        if (value == std::string_view::npos) return std::nullopt;
        sum += static_cast<int>((i % (kCheckModulus - 1) + 1) * value);
    }
    return kCheckLetters[static_cast<std::size_t>(sum % kCheckModulus)];
}

// A whole number written plainly: digits, no leading zero.
std::optional<int> count(std::string_view field) {
    constexpr std::size_t kMostDigits = 6;
    if (field.empty() || field.size() > kMostDigits || field.front() == '0' ||
        !std::all_of(field.begin(), field.end(), isDigit))
        return std::nullopt;
    int value = 0;
    for (char c : field) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string writeResultCode(const ResultCode& code) {
    std::string body = std::to_string(code.classCode) + kSeparator + std::to_string(code.captureHauls) + kSeparator +
                       decimalText(code.marked);
    for (int hauls : code.estimatedAt) body += kSeparator + std::to_string(hauls);
    if (code.trick != Trick::None)
        body += std::string{kSeparator, kTrickLetters[static_cast<std::size_t>(code.trick)]};
    else if (code.fishByFish)
        body += std::string{kSeparator, kFishByFishLetter};
    return body + kSeparator + *checkLetter(body);
}

CodeReading readResultCode(std::string_view text) {
    const std::size_t last = text.rfind(kSeparator);
    if (last == std::string_view::npos || last + 2 != text.size()) return {std::nullopt, kNotACode};
    const std::string_view body = text.substr(0, last);
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at <= body.size();) {
        const std::size_t end = std::min(body.find(kSeparator, at), body.size());
        fields.push_back(body.substr(at, end - at));
        at = end + 1;
    }
    ResultCode code;
    if (!fields.empty() && fields.back().size() == 1 && !isDigit(fields.back()[0])) {
        const char letter = fields.back()[0];
        fields.pop_back();
        const std::size_t trick = kTrickLetters.find(letter);
        if (letter != kFishByFishLetter && (trick == std::string_view::npos || trick == 0))
            return {std::nullopt, kNotACode};
        code.fishByFish = true;
        if (letter != kFishByFishLetter) code.trick = Trick(trick);
    }
    constexpr std::size_t kFewestFields = 4;  // class code, capture hauls, marked fish, one estimate
    if (fields.size() < kFewestFields) return {std::nullopt, kNotACode};
    std::vector<std::optional<int>> numbers;
    for (std::string_view field : fields) numbers.push_back(count(field));
    const std::optional<LakeCode> classCode = parseLakeCode(fields[0]);
    if (!classCode || std::find(numbers.begin(), numbers.end(), std::nullopt) != numbers.end())
        return {std::nullopt, kNotACode};
    code.classCode = *classCode;
    code.captureHauls = *numbers[1];
    code.marked = *numbers[2];
    for (std::size_t f = 3; f < numbers.size(); ++f) code.estimatedAt.push_back(*numbers[f]);
    if (!std::is_sorted(code.estimatedAt.begin(), code.estimatedAt.end(), std::less_equal<>()))
        return {std::nullopt, kNotACode};
    if (checkLetter(body) != text.back())
        return {std::nullopt, "la lettera finale non torna, quindi il codice è stato copiato male"};
    return {code, ""};
}

CodeReading resultCodeOf(const EstimateMade& made, const ExerciseSettings& settings) {
    if (!settings.code)
        return {std::nullopt,
                "Il codice del risultato c’è solo quando l’indirizzo ha un codice della classe. Serve "
                "all’insegnante per rifare il tuo esercizio sullo stesso lago."};
    if (made.state.marked != std::floor(made.state.marked))
        return {std::nullopt, "Il codice del risultato vale solo per un numero intero di pesci marcati."};
    ResultCode code{*settings.code,
                    made.captureHauls(),
                    made.state.marked,
                    made.earlierEstimates,
                    settings.fishByFish || settings.trick != Trick::None,
                    settings.trick};
    code.estimatedAt.push_back(made.recaptureHauls);
    return {code, ""};
}

}  // namespace ricattura
