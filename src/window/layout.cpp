#include "layout.h"

#include <cmath>

namespace ricattura {

namespace {

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace

QRect toPixels(const TwipRect& r) {
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    return {left, top, twipsToPixels(r.left + r.width) - left, twipsToPixels(r.top + r.height) - top};
}

}  // namespace ricattura
