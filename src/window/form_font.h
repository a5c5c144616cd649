#pragma once

#include <QFont>

namespace ricattura {

// The face every control uses, with fall-backs of matching metrics where it is missing.
QFont formFont();

}  // namespace ricattura
