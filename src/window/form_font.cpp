#include "window/form_font.h"

#include "core/layout.h"

#include <QStringList>

namespace ricattura {

QFont formFont() {
    QFont font;
    QStringList families;
    for (const char* family : kFormFont.families) families << QString::fromLatin1(family);
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFormFont.points);
    font.setWeight(static_cast<QFont::Weight>(kFormFont.weight));
    return font;
}

}  // namespace ricattura
