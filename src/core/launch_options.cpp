#include "core/launch_options.h"

#include "core/layout.h"

namespace ricattura {

namespace {

constexpr std::size_t kMostCodeDigits = 6;
constexpr std::string_view kLakeOption = "--lago";
constexpr std::string_view kLakeOptionWithValue = "--lago=";

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

LaunchOptions refuse(std::string why) {
    return {LaunchOptions::Action::Refuse, std::nullopt, "ricattura: " + std::move(why) + " (vedi ricattura --help)"};
}

}  // namespace

std::optional<LakeCode> parseLakeCode(std::string_view text) {
    if (text.empty() || text.size() > kMostCodeDigits || text.front() == '0') return std::nullopt;
    LakeCode code = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + static_cast<LakeCode>(c - '0');
    }
    return code;
}

std::string windowTitle(std::optional<LakeCode> code) {
    std::string title = kWindowTitle;
    if (code) title += " – lago " + std::to_string(*code);
    return title;
}

LaunchOptions parseCommandLine(const std::vector<std::string_view>& args) {
    LaunchOptions options;
    bool help = false;
    bool version = false;
    bool lakeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help") {
            help = true;
            continue;
        }
        if (arg == "--version") {
            version = true;
            continue;
        }
        std::optional<std::string_view> value;
        if (arg == kLakeOption) {
            if (i + 1 == args.size()) return refuse("manca il numero del lago dopo --lago");
            value = args[++i];
        } else if (arg.starts_with(kLakeOptionWithValue)) {
            value = arg.substr(kLakeOptionWithValue.size());
        } else {
            return refuse("argomento non riconosciuto: " + quoted(arg));
        }
        if (lakeGiven) return refuse("--lago è indicato più di una volta");
        lakeGiven = true;
        options.lakeCode = parseLakeCode(*value);
        if (!options.lakeCode)
            return refuse("codice del lago non valido: " + quoted(*value) + ", serve un numero da 1 a 999999");
    }
    if (help) options.action = LaunchOptions::Action::Help;
    else if (version) options.action = LaunchOptions::Action::Version;
    return options;
}

}  // namespace ricattura
