#pragma once

#include <cstddef>
#include <string>

namespace ricattura {

// The ten boxes and nine buttons, in the order of the window's control names (Text1 to Text10, Command1 to Command9).
enum class Field {
    Instructions,
    Caught,
    ToMark,
    Recaptured,
    MarkedRecaptured,
    Estimate,
    TrueSize,
    Error,
    PercentError,
    Hauls
};
enum class Button {
    CreateLake,
    CaptureHaul,
    MarkFish,
    ReleaseMarked,
    RecaptureHaul,
    EstimatePopulation,
    Compare,
    Exit,
    Restart
};

inline constexpr std::size_t kFieldCount = 10;
inline constexpr std::size_t kButtonCount = 9;

constexpr std::size_t indexOf(Field f) { return static_cast<std::size_t>(f); }
constexpr std::size_t indexOf(Button b) { return static_cast<std::size_t>(b); }

// The window as the exercise sees it. Texts are UTF-8 and use CR LF between lines.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setText(Field field, const std::string& text) = 0;
    virtual std::string markInputText() const = 0;  // the student-editable ToMark
    virtual void setEnabled(Button button, bool enabled) = 0;
    // Words for a screen reader to speak now, away from the focus; nothing on screen shows them.
    virtual void announce(const std::string& words) = 0;
    // Puts the keyboard focus on a button, as a step that switched itself off hands it to the next step.
    virtual void focus(Button button) = 0;
};

}  // namespace ricattura
