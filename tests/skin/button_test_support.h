// Pictures the button tests draw with and look at.
#pragma once

#include "skin_colours.h"

#include <QColor>
#include <QImage>

#include <functional>

// The frame colours of the generated strip, one per state.
inline const QColor kFrameColours[] = {QColor(200, 0, 0),  QColor(0, 200, 0),   QColor(0, 0, 200),
                                       QColor(90, 90, 90), QColor(0, 120, 120), QColor(120, 0, 120)};

// `count` frames of 10×8 side by side, each filled with its colour except the
// top-left pixel, which has the skin key colour.
inline QImage MakeStrip(int count) {
    QImage strip(10 * count, 8, QImage::Format_RGB32);
    for (int frame = 0; frame < count; ++frame) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                strip.setPixelColor(frame * 10 + x, y, kFrameColours[frame]);
            }
        }
        strip.setPixelColor(frame * 10, 0, ToQColor(kSkinKeyColour));
    }
    return strip;
}

inline int CountPixels(const QImage& image, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += match(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}
