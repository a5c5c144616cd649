#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ricattura {

// A class lake code: every lake the program makes grows from this number instead of the clock,
// so a whole class works on the same lake and "Riparti" brings it back.
using LakeCode = std::uint32_t;

// A code is 1 to 999999, written as plain digits: "^[1-9][0-9]{0,5}$".
std::optional<LakeCode> parseLakeCode(std::string_view text);

// The window's title, naming the class lake when there is one.
std::string windowTitle(std::optional<LakeCode> code);

// What the desktop program was asked to do by its command line.
struct LaunchOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::optional<LakeCode> lakeCode;
    std::string refusal;  // for Refuse: one line saying what was wrong
};

// Reads the arguments after the program's name: --lago N, --lago=N, --help, --version.
LaunchOptions parseCommandLine(const std::vector<std::string_view>& args);

}  // namespace ricattura
