#include "form_font.h"

#include <QStringList>

namespace ricattura {

namespace {

constexpr double kFontPoints = 8.25;

}  // namespace

QFont formFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    font.setWeight(QFont::Bold);
    return font;
}

}  // namespace ricattura
