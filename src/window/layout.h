#pragma once

#include "control/main_view.h"

#include <QRect>

#include <array>

namespace ricattura {

// A control's place in the window's client area, in twips (1/1440 inch).
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

// Converts both edges, so controls that share an edge in twips share it in pixels too.
QRect toPixels(const TwipRect& r);

inline constexpr TwipRect kClientArea{0, 0, 6765, 6405};

// A button or a label: a control with a fixed caption.
struct CaptionedLayout {
    const char* name;
    const char* caption;
    TwipRect rect;
    int tabIndex;
};

struct BoxLayout {
    const char* name;
    TwipRect rect;
    int tabIndex;
};

// Indexed by Button.
inline constexpr std::array<CaptionedLayout, kButtonCount> kButtons{{
    {"Command1", "1. Crea un lago", {240, 120, 3000, 400}, 2},
    {"Command2", "2. Effettua una cala", {240, 720, 3000, 400}, 3},
    {"Command3", "3. Marca i pesci", {240, 2400, 3000, 400}, 4},
    {"Command4", "4. Libera i pesci marcati", {240, 3000, 3000, 400}, 7},
    {"Command5", "5. Effettua una cala", {240, 3600, 3000, 400}, 8},
    {"Command6", "6. Stima la popolazione", {240, 5280, 3000, 400}, 11},
    {"Command7", "7. Confronta con i dati reali", {3600, 3000, 3000, 400}, 13},
    {"Command8", "Esci", {5160, 5880, 1440, 400}, 17},
    {"Command9", "Riparti", {3600, 5880, 1440, 400}, 18},
}};

// Indexed by Field; each box has the label of the same index.
inline constexpr std::array<BoxLayout, kFieldCount> kBoxes{{
    {"Text1", {3600, 360, 3015, 2415}, 0},
    {"Text2", {2160, 1320, 1080, 400}, 5},
    {"Text3", {2160, 1800, 1080, 400}, 6},
    {"Text4", {2280, 4200, 960, 400}, 9},
    {"Text5", {2280, 4680, 960, 400}, 10},
    {"Text6", {2280, 5880, 960, 400}, 12},
    {"Text7", {5640, 3600, 960, 400}, 14},
    {"Text8", {5640, 4080, 960, 400}, 15},
    {"Text9", {5640, 4560, 960, 400}, 16},
    {"Text10", {5640, 5040, 960, 400}, 19},
}};

inline constexpr std::array<CaptionedLayout, kFieldCount> kLabels{{
    {"Label1", "Istruzioni", {3600, 120, 1215, 255}, 1},
    {"Label2", "Individui catturati", {480, 1440, 1575, 255}, 20},
    {"Label3", "Individui da marcare", {240, 1920, 1815, 255}, 21},
    {"Label4", "Individui catturati", {600, 4320, 1575, 255}, 22},
    {"Label5", "Individui marcati", {720, 4800, 1455, 255}, 23},
    {"Label6", "Numero stimato", {720, 6000, 1455, 255}, 24},
    {"Label7", "Numero reale", {4200, 3720, 1335, 255}, 25},
    {"Label8", "Errore", {4800, 4200, 735, 255}, 26},
    {"Label9", "Errore percentuale", {3720, 4680, 1815, 255}, 27},
    {"Label10", "Numero di cale", {4080, 5160, 1455, 255}, 28},
}};

}  // namespace ricattura
