#include "core/launch_options.h"

#include "core/layout.h"
#include "core/number_text.h"

namespace ricattura {

namespace {

constexpr std::size_t kMostCodeDigits = 6;
constexpr std::size_t kMostScaleDecimals = 2;  // 1,25 is as fine as a projector needs
constexpr std::string_view kLakeOption = "--lago";
constexpr std::string_view kScaleOption = "--scala";

constexpr const char* kHelp =
    "Uso: ricattura [--lago N] [--scala F]\n"
    "\n"
    "Simulazione didattica del metodo di cattura, marcatura e ricattura per stimare\n"
    "quanti pesci vivono in un lago immaginario (stimatore di Lincoln-Petersen).\n"
    "\n"
    "  --lago N      lago della classe: con lo stesso N (da 1 a 999999, senza zeri\n"
    "                iniziali) ogni studente ottiene lo stesso lago, e «Riparti» lo\n"
    "                ripropone\n"
    "  --scala F     finestra F volte più grande, per un proiettore o una LIM:\n"
    "                F va da 1 a 4, anche con i decimali (1,5)\n"
    "  -h, --help    mostra questo aiuto ed esce\n"
    "  --version     mostra la versione ed esce\n";

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

LaunchOptions refuse(const std::string& why) {
    return {LaunchOptions::Action::Refuse, std::nullopt, kSmallestScale, "ricattura: " + why};
}

std::string missing(std::string_view option, std::string_view what, std::string_view example) {
    return "dopo " + std::string(option) + " manca " + std::string(what) + ". Scrivi, per esempio, ricattura " +
           std::string(option) + " " + std::string(example) + ".";
}

std::string repeated(std::string_view option) {
    return "l’opzione " + std::string(option) + " compare più di una volta. Lasciane una sola.";
}

// What args[i] says of `option`: whether it is that option, and its value, in the same argument after "=" or as
// the next argument (then taken from the list).
struct OptionValue {
    bool found = false;
    std::optional<std::string_view> value;
};

OptionValue valueOf(std::string_view option, const std::vector<std::string_view>& args, std::size_t& i) {
    const std::string_view arg = args[i];
    if (arg == option) return {true, i + 1 == args.size() ? std::nullopt : std::optional(args[++i])};
    if (arg.size() > option.size() && arg.starts_with(option) && arg[option.size()] == '=')
        return {true, arg.substr(option.size() + 1)};
    return {};
}

}  // namespace

std::optional<LakeCode> parseLakeCode(std::string_view text) {
    if (text.empty() || text.size() > kMostCodeDigits || text.front() == '0') return std::nullopt;
    LakeCode code = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        code = code * 10 + static_cast<LakeCode>(c - '0');
    }
    return code;
}

std::optional<double> parseScale(std::string_view text) {
    const std::size_t separator = text.find_first_of(",.");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view decimals = separator == std::string_view::npos ? "" : text.substr(separator + 1);
    if (whole.size() != 1 || (separator != std::string_view::npos && decimals.empty()) ||
        decimals.size() > kMostScaleDecimals)
        return std::nullopt;
    double scale = 0;
    double unit = 1;
    for (char c : std::string(whole) + std::string(decimals)) {
        if (!isDigit(c)) return std::nullopt;
        scale += unit * (c - '0');
        unit /= 10;
    }
    if (scale < kSmallestScale || scale > kLargestScale) return std::nullopt;
    return scale;
}

std::string windowTitle(std::optional<LakeCode> code) {
    std::string title = kWindowTitle;
    if (code) title += " – lago della classe " + std::to_string(*code);
    return title;
}

const char* helpText() { return kHelp; }

std::string notALakeCode(std::string_view written) {
    return quoted(written) +
           " non è un codice del lago. Scrivi un numero intero da 1 a 999999, senza zeri iniziali: "
           "42, non 0042.";
}

LaunchOptions parseCommandLine(const std::vector<std::string_view>& args) {
    LaunchOptions options;
    bool help = false;
    bool version = false;
    bool lakeGiven = false;
    bool scaleGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (const OptionValue lake = valueOf(kLakeOption, args, i); lake.found) {
            if (!lake.value) return refuse(missing(kLakeOption, "il codice del lago", "42"));
            if (lakeGiven) return refuse(repeated(kLakeOption));
            lakeGiven = true;
            options.lakeCode = parseLakeCode(*lake.value);
            if (!options.lakeCode) return refuse(notALakeCode(*lake.value));
        } else if (const OptionValue scale = valueOf(kScaleOption, args, i); scale.found) {
            if (!scale.value) return refuse(missing(kScaleOption, "il fattore di ingrandimento", "2"));
            if (scaleGiven) return refuse(repeated(kScaleOption));
            scaleGiven = true;
            const std::optional<double> factor = parseScale(*scale.value);
            if (!factor)
                return refuse(quoted(*scale.value) +
                              " non è un fattore di ingrandimento. Scrivi un numero da 1 a 4, "
                              "anche con i decimali: 2 oppure 1,5.");
            options.scale = *factor;
        } else {
            return refuse(quoted(arg) +
                          " non è un’opzione di ricattura. Le opzioni sono elencate da ricattura --help.");
        }
    }
    if (help)
        options.action = LaunchOptions::Action::Help;
    else if (version)
        options.action = LaunchOptions::Action::Version;
    return options;
}

}  // namespace ricattura
