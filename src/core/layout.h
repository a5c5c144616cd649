#pragma once

#include "core/main_view.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ricattura {

// The window as plain data, for every view to draw the same way: places in twips (1/1440 inch)
// from the client area's top-left corner, colours, the font and the controls' starting states.

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

enum class Align { Left, Right };

struct ButtonLayout {
    const char* name;
    const char* caption;
    TwipRect rect;
    int tabIndex;
    bool enabledAtStart;
};

struct BoxLayout {
    const char* name;
    TwipRect rect;
    int tabIndex;
    bool editable;
    bool multiLine;
    const char* spokenName;  // what a screen reader calls it where its caption is not enough; else empty
};

// Each label names the box of the same index.
struct LabelLayout {
    const char* name;
    const char* caption;
    TwipRect rect;
    int tabIndex;
    Align align;
};

// The face the layout was measured with, then faces of the same metrics on other systems.
struct FontLayout {
    std::array<const char*, 5> families;
    double points;
    int weight;
};

inline constexpr const char* kWindowTitle = "Stima della popolazione di un lago";
inline constexpr TwipRect kClientArea{0, 0, 6765, 6405};
inline constexpr Rgb kFormBackground{192, 192, 255};
inline constexpr Rgb kLabelText{0, 0, 192};
inline constexpr FontLayout kFormFont{
    {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Arimo"}, 8.25, 700};

// Indexed by Button.
inline constexpr std::array<ButtonLayout, kButtonCount> kButtons{{
    {"Command1", "1. Crea un lago", {240, 120, 3000, 400}, 2, true},
    {"Command2", "2. Effettua una cala", {240, 720, 3000, 400}, 3, false},
    {"Command3", "3. Marca i pesci", {240, 2400, 3000, 400}, 4, false},
    {"Command4", "4. Libera i pesci marcati", {240, 3000, 3000, 400}, 7, false},
    {"Command5", "5. Effettua una cala", {240, 3600, 3000, 400}, 8, false},
    {"Command6", "6. Stima la popolazione", {240, 5280, 3000, 400}, 11, false},
    {"Command7", "7. Confronta con i dati reali", {3600, 3000, 3000, 400}, 13, false},
    {"Command8", "Esci", {5160, 5880, 1440, 400}, 17, true},
    {"Command9", "Riparti", {3600, 5880, 1440, 400}, 18, false},
}};

// Indexed by Field.
inline constexpr std::array<BoxLayout, kFieldCount> kBoxes{{
    {"Text1", {3600, 360, 3015, 2415}, 0, false, true, ""},
    {"Text2", {2160, 1320, 1080, 400}, 5, false, false, "Individui catturati nella cattura"},
    {"Text3", {2160, 1800, 1080, 400}, 6, true, false, ""},
    {"Text4", {2280, 4200, 960, 400}, 9, false, false, "Individui catturati nella ricattura"},
    {"Text5", {2280, 4680, 960, 400}, 10, false, false, "Individui marcati tra i ricatturati"},
    {"Text6", {2280, 5880, 960, 400}, 12, false, false, ""},
    {"Text7", {5640, 3600, 960, 400}, 14, false, false, ""},
    {"Text8", {5640, 4080, 960, 400}, 15, false, false, ""},
    {"Text9", {5640, 4560, 960, 400}, 16, false, false, ""},
    {"Text10", {5640, 5040, 960, 400}, 19, false, false, ""},
}};

// Indexed by Field.
inline constexpr std::array<LabelLayout, kFieldCount> kLabels{{
    {"Label1", "Istruzioni", {3600, 120, 1215, 255}, 1, Align::Left},
    {"Label2", "Individui catturati", {480, 1440, 1575, 255}, 20, Align::Right},
    {"Label3", "Individui da marcare", {240, 1920, 1815, 255}, 21, Align::Right},
    {"Label4", "Individui catturati", {600, 4320, 1575, 255}, 22, Align::Right},
    {"Label5", "Individui marcati", {720, 4800, 1455, 255}, 23, Align::Right},
    {"Label6", "Numero stimato", {720, 6000, 1455, 255}, 24, Align::Right},
    {"Label7", "Numero reale", {4200, 3720, 1335, 255}, 25, Align::Right},
    {"Label8", "Errore", {4800, 4200, 735, 255}, 26, Align::Right},
    {"Label9", "Errore percentuale", {3720, 4680, 1815, 255}, 27, Align::Right},
    {"Label10", "Numero di cale", {4080, 5160, 1455, 255}, 28, Align::Right},
}};

// Enter in the box a student types into presses the step that reads it.
inline constexpr Field kEnterBox = Field::ToMark;
inline constexpr Button kEnterPresses = Button::MarkFish;

// One control of the window, named by its kind and its index in that kind's table.
struct ControlRef {
    enum class Kind { Button, Box, Label } kind;
    std::size_t index;
};

// What a screen reader calls a box: its caption, or a longer name where two captions are alike.
const char* spokenName(Field field);

// Converts both edges, so controls that share an edge in twips share it in pixels too.
PixelRect toPixels(const TwipRect& r);

// The 29 controls in keyboard order, which is also the order a screen reader meets them.
std::vector<ControlRef> controlsInTabOrder();

std::array<bool, kButtonCount> enabledAtStart();

}  // namespace ricattura
