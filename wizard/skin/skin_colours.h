// COLORREF values (0x00BBGGRR), as the skin and setting.ini write colours, on
// the Qt side.
#pragma once

#include "colour_values.h"

#include <QColor>

// -1 in a colour field: no colour (no fill, no frame).
inline constexpr ColorRef kNoColour = 0xFFFFFFFFu;

// Pure yellow: the skin's cut-away and see-through key colour.
inline constexpr ColorRef kSkinKeyColour = 0x00FFFFu;

inline QColor ToQColor(ColorRef colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

inline ColorRef ToColorRef(const QColor& colour) {
    return static_cast<ColorRef>(colour.red()) | static_cast<ColorRef>(colour.green()) << 8 |
           static_cast<ColorRef>(colour.blue()) << 16;
}
