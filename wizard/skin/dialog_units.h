// Dialog templates place controls in dialog units. With the classic 8-point
// dialog font at 96 DPI one horizontal unit is 1.5 pixels and one vertical
// unit 1.625 pixels; Qt scales the pixels again on high-DPI screens.
#pragma once

#include <QRect>
#include <QSize>

// Edges are converted, not sizes, so that neighbouring controls that touch in
// dialog units still touch in pixels. Halves round up.
constexpr int DialogUnitsToPixelsX(int units) {
    return (units * 3 + (units >= 0 ? 1 : -1)) / 2;
}
constexpr int DialogUnitsToPixelsY(int units) {
    return (units * 13 + (units >= 0 ? 4 : -4)) / 8;
}

// x, y, width, height in dialog units → pixels.
constexpr QRect DialogUnitsToPixels(int x, int y, int width, int height) {
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return QRect(left, top, DialogUnitsToPixelsX(x + width) - left, DialogUnitsToPixelsY(y + height) - top);
}

constexpr QSize DialogUnitsToPixels(int width, int height) {
    return QSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height));
}
