#include "core/launch_options.h"

#include "core/layout.h"
#include "core/number_text.h"

namespace ricattura {

namespace {

constexpr std::size_t kMostCodeDigits = 6;
constexpr std::size_t kMostScaleDecimals = 2;  // 1,25 is as fine as a projector needs
constexpr std::string_view kLakeOption = "--lago";
constexpr std::string_view kScaleOption = "--scala";
constexpr std::string_view kFishByFishOption = "--pesce-per-pesce";
constexpr std::string_view kFishByFishWords = "pesce per pesce";
constexpr std::string_view kTrickOption = "--trucco";
constexpr const char* kKnownTricks =
    "I trucchi sono marche-perse, pesci-timidi, pesci-curiosi, nuovi-arrivi, morti-per-tutti.";
constexpr const char* kTrickNames[kTrickCount] = {
    "", "marche-perse", "pesci-timidi", "pesci-curiosi", "nuovi-arrivi", "morti-per-tutti"};

constexpr const char* kHelp =
    "Uso: ricattura [--lago N] [--pesce-per-pesce] [--trucco NOME] [--scala F]\n"
    "\n"
    "Simulazione didattica del metodo di cattura, marcatura e ricattura per stimare\n"
    "quanti pesci vivono in un lago immaginario (stimatore di Lincoln-Petersen).\n"
    "\n"
    "  --lago N            lago della classe: con lo stesso codice N (da 1 a 999999,\n"
    "                      senza zeri iniziali) ogni studente ottiene lo stesso lago,\n"
    "                      e «Riparti» lo ripropone\n"
    "  --pesce-per-pesce   le cale di ricattura pescano i pesci uno per uno, come in\n"
    "                      un lago vero, invece di estrarre a caso la quota di marcati\n"
    "  --trucco NOME       un lago con un trucco, pesce per pesce: marche-perse,\n"
    "                      pesci-timidi, pesci-curiosi, nuovi-arrivi o\n"
    "                      morti-per-tutti (la guida per l’insegnante li spiega)\n"
    "  --scala F           finestra F volte più grande, per un proiettore o una LIM:\n"
    "                      F va da 1 a 4, con al massimo due decimali (1,5 o 1,25);\n"
    "                      su schermi alti 768 o 800 pixel usate --scala 1,5\n"
    "  -h, --help          mostra questo aiuto ed esce\n"
    "  --version           mostra la versione ed esce\n"
    "\n"
    "Esempio: ricattura --lago 123 --scala 1,5\n";

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

LaunchOptions refuse(const std::string& why) {
    LaunchOptions refused;
    refused.action = LaunchOptions::Action::Refuse;
    refused.refusal = "ricattura: " + why;
    return refused;
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

const char* trickName(Trick trick) { return kTrickNames[static_cast<std::size_t>(trick)]; }

std::optional<Trick> parseTrick(std::string_view name) {
    for (std::size_t t = 1; t < kTrickCount; ++t)
        if (name == kTrickNames[t]) return Trick(t);
    return std::nullopt;
}

std::string windowTitle(const ExerciseSettings& settings) {
    std::string title = kWindowTitle;
    if (settings.code) title += ", lago della classe " + std::to_string(*settings.code);
    if (settings.fishByFish) title += ", " + std::string(kFishByFishWords);
    if (settings.trick != Trick::None) title += ", lago con un trucco";
    return title;
}

const char* helpText() { return kHelp; }

std::string notALakeCode(std::string_view written) {
    return quoted(written) +
           " non è un codice della classe: serve un numero intero da 1 a 999999, senza zeri "
           "iniziali (42, non 0042).";
}

LaunchOptions parseCommandLine(const std::vector<std::string_view>& args) {
    LaunchOptions options;
    bool help = false;
    bool version = false;
    bool lakeGiven = false;
    bool scaleGiven = false;
    bool trickGiven = false;
    bool fishByFishGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == kFishByFishOption) {
            if (fishByFishGiven) return refuse(repeated(kFishByFishOption));
            fishByFishGiven = true;
            options.settings.fishByFish = true;
        } else if (const OptionValue lake = valueOf(kLakeOption, args, i); lake.found) {
            if (!lake.value) return refuse(missing(kLakeOption, "il codice della classe", "42"));
            if (lakeGiven) return refuse(repeated(kLakeOption));
            lakeGiven = true;
            options.settings.code = parseLakeCode(*lake.value);
            if (!options.settings.code) return refuse(notALakeCode(*lake.value));
        } else if (const OptionValue trick = valueOf(kTrickOption, args, i); trick.found) {
            if (!trick.value) return refuse(missing(kTrickOption, "il nome del trucco", "marche-perse"));
            if (trickGiven) return refuse(repeated(kTrickOption));
            trickGiven = true;
            const std::optional<Trick> chosen = parseTrick(*trick.value);
            if (!chosen) return refuse(quoted(*trick.value) + " non è un trucco di Ricattura. " + kKnownTricks);
            options.settings.trick = *chosen;
            options.settings.fishByFish = true;
        } else if (const OptionValue scale = valueOf(kScaleOption, args, i); scale.found) {
            if (!scale.value) return refuse(missing(kScaleOption, "il fattore di ingrandimento", "2"));
            if (scaleGiven) return refuse(repeated(kScaleOption));
            scaleGiven = true;
            const std::optional<double> factor = parseScale(*scale.value);
            if (!factor)
                return refuse(quoted(*scale.value) +
                              " non è un fattore di ingrandimento. Scrivi un numero da 1 a 4, con al massimo due "
                              "decimali: 2 oppure 1,5.");
            options.scale = *factor;
        } else {
            return refuse(quoted(arg) +
                          " non è un’opzione di Ricattura. Per l’elenco delle opzioni scrivi ricattura "
                          "--help.");
        }
    }
    if (help)
        options.action = LaunchOptions::Action::Help;
    else if (version)
        options.action = LaunchOptions::Action::Version;
    return options;
}

std::string studentsQuery(const ExerciseSettings& settings) {
    std::string query;
    auto add = [&query](const std::string& part) { query += (query.empty() ? "?" : "&") + part; };
    if (settings.code) add("lago=" + std::to_string(*settings.code));
    if (settings.trick != Trick::None)
        add("trucco=" + std::string(trickName(settings.trick)));
    else if (settings.fishByFish)
        add("pesce-per-pesce");
    return query;
}

PageAddress readPageAddress(const AddressParameter& parameter) {
    PageAddress address;
    std::string note;
    if (const std::optional<std::string> written = parameter("lago")) {
        address.settings.code = parseLakeCode(*written);
        address.warning = !address.settings.code;
        if (address.settings.code)
            note = "Lago della classe " + *written + ".";
        else if (written->empty())
            note = "Nell’indirizzo, dopo «?lago=», manca il codice della classe. Per ora ogni lago sarà diverso.";
        else
            note = quoted(*written) +
                   " non è un codice della classe. Nell’indirizzo, dopo «?lago=», serve un numero "
                   "intero da 1 a 999999 senza zeri iniziali (42, non 0042). Per ora ogni lago "
                   "sarà diverso.";
    }
    address.settings.fishByFish = parameter("pesce-per-pesce").has_value();
    auto add = [&note](const std::string& line) { note += (note.empty() ? "" : " ") + line; };
    if (const std::optional<std::string> trick = parameter("trucco")) {
        if (const std::optional<Trick> chosen = parseTrick(*trick)) {
            address.settings.trick = *chosen;
            address.settings.fishByFish = true;
        } else {
            address.warning = true;
            add(quoted(*trick) + " non è un trucco di Ricattura, quindi l’esercizio continua senza trucco. " +
                kKnownTricks);
        }
    }
    if (address.settings.trick != Trick::None)
        add("Un lago con un trucco. Dopo la marcatura succede qualcosa che il metodo non prevede, e la ricattura è "
            "pesce per pesce.");
    else if (address.settings.fishByFish)
        add("La ricattura è pesce per pesce. Ogni cala di ricattura pesca i pesci uno per uno, come in un lago vero.");
    address.teacher = parameter("insegnante").has_value();
    address.note = note;
    return address;
}

}  // namespace ricattura
