#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

// A class lake code: every lake the program makes grows from this number instead of the clock,
// so a whole class works on the same lake and «Riparti» brings it back.
using LakeCode = std::uint32_t;

// A code is 1 to 999999, written as plain digits: "^[1-9][0-9]{0,5}$".
std::optional<LakeCode> parseLakeCode(std::string_view text);

// How many times larger the desktop window is drawn, for a projector or an interactive whiteboard.
inline constexpr double kSmallestScale = 1;
inline constexpr double kLargestScale = 4;

// A scale is a number from 1 to 4, with a decimal comma or point: "2", "1,5", "2.25".
std::optional<double> parseScale(std::string_view text);

// Why a text is no class lake code, and what to write instead: the command line and the page say it alike.
std::string notALakeCode(std::string_view written);

// The window's title, naming the class lake when there is one.
std::string windowTitle(std::optional<LakeCode> code);

// What `ricattura --help` prints: the one place the options are described on the command line.
const char* helpText();

// What the desktop program was asked to do by its command line.
struct LaunchOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::optional<LakeCode> lakeCode;
    double scale = kSmallestScale;
    std::string refusal;  // for Refuse: one line saying what was wrong and what to type instead
};

// Reads the arguments after the program's name: --lago N, --lago=N, --scala F, --scala=F, -h, --help, --version.
LaunchOptions parseCommandLine(const std::vector<std::string_view>& args);

}  // namespace ricattura
