#pragma once

#include <cstddef>
#include <string>

namespace ricattura {

enum class Field { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10 };
enum class Button { Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9 };

inline constexpr std::size_t kFieldCount = 10;
inline constexpr std::size_t kButtonCount = 9;

constexpr std::size_t indexOf(Field f) { return static_cast<std::size_t>(f); }
constexpr std::size_t indexOf(Button b) { return static_cast<std::size_t>(b); }

// The window as the exercise sees it. Texts are UTF-8 and use CR LF between lines.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setText(Field field, const std::string& text) = 0;
    virtual std::string markInputText() const = 0;  // the student-editable Text3
    virtual void setEnabled(Button button, bool enabled) = 0;
    // Words for a screen reader to speak now, away from the focus; nothing on screen shows them.
    virtual void announce(const std::string& words) = 0;
};

}  // namespace ricattura
