#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

// A class code: every lake the program makes grows from this number instead of the clock, so a whole class works on
// the same lake and «Riparti» brings it back.
using LakeCode = std::uint32_t;

// A code is 1 to 999999, written as plain digits: "^[1-9][0-9]{0,5}$".
std::optional<LakeCode> parseLakeCode(std::string_view text);

// How many times larger the desktop window is drawn, for a projector or an interactive whiteboard.
inline constexpr double kSmallestScale = 1;
inline constexpr double kLargestScale = 4;

// A scale is a number from 1 to 4 with at most two decimals, after a comma or a point: "2", "1,5", "2.25".
std::optional<double> parseScale(std::string_view text);

// A lake with a trick: one of the method's assumptions broken between marking and recapture, always fish by fish.
enum class Trick { None, LostMarks, ShyMarked, CuriousMarked, Newcomers, DeathsForAll };
inline constexpr std::size_t kTrickCount = 6;
// The name a teacher writes: "marche-perse", "pesci-timidi", "pesci-curiosi", "nuovi-arrivi", "morti-per-tutti".
const char* trickName(Trick trick);
std::optional<Trick> parseTrick(std::string_view name);

// What a student expects a trick to do to the estimate, asked before step 6.
enum class Prediction { TooHigh, TooLow, Right };
inline constexpr std::size_t kPredictionCount = 3;

// What the teacher chose for the exercise, in the page's address or on the command line.
struct ExerciseSettings {
    std::optional<LakeCode> code;  // the class code
    bool fishByFish = false;       // step 5 draws each haul's marked fish from the lake, fish by fish
    Trick trick = Trick::None;     // a trick comes with fish by fish
    bool operator==(const ExerciseSettings&) const = default;
};

// The window's title, naming the class lake and the fish-by-fish recapture when chosen; commas, not dashes, so
// that a screen reader reads it as it is written.
std::string windowTitle(const ExerciseSettings& settings);

// Why a text is no class code, and what to write instead: the command line and the page say it alike.
std::string notALakeCode(std::string_view written);

// What `ricattura --help` prints: the one place the options are described on the command line.
const char* helpText();

// What the desktop program was asked to do by its command line.
struct LaunchOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    ExerciseSettings settings;
    double scale = kSmallestScale;
    std::string refusal;  // for Refuse: one line saying what was wrong and what to type instead
};

// Reads the arguments after the program's name: --lago N, --lago=N, --pesce-per-pesce, --trucco NAME, --trucco=NAME,
// --scala F, --scala=F, -h, --help, --version.
LaunchOptions parseCommandLine(const std::vector<std::string_view>& args);

// What the page's address asks for: ?lago=N, &pesce-per-pesce, &trucco=NAME, &insegnante (the teacher's view, with
// the class board); and the line the page shows under its heading about it, a warning when the address says something
// wrong (an unknown trick: the exercise goes on without one).
struct PageAddress {
    ExerciseSettings settings;
    bool teacher = false;
    std::string note;
    bool warning = false;
};
// `parameter` gives the address's value of a name, empty for a name alone, none for a name not there.
using AddressParameter = std::function<std::optional<std::string>(std::string_view name)>;
PageAddress readPageAddress(const AddressParameter& parameter);
// The query of the address the students open: the teacher's settings, without the teacher's view ("?lago=42").
std::string studentsQuery(const ExerciseSettings& settings);

}  // namespace ricattura
