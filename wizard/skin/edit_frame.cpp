#include "edit_frame.h"

#include "skin_colours.h"

#include <QPainter>

QRect EditContentRect(const QRect& widgetRect) {
    return widgetRect.adjusted(kEditFrameWidth, kEditFrameWidth, -kEditFrameWidth, -kEditFrameWidth);
}

void PaintEditBackground(QPainter& painter, const QRect& widgetRect, const EditColours& colours,
                         bool withFrame) {
    const QColor background = ToQColor(colours.background);
    if (!withFrame) {
        if (!colours.transparent) {
            painter.fillRect(widgetRect, background);
        }
        return;
    }
    const QRect band = widgetRect.adjusted(kEditOuterLineWidth, kEditOuterLineWidth, -kEditOuterLineWidth,
                                           -kEditOuterLineWidth);
    if (!colours.transparent) {
        painter.fillRect(band, background);
        return;
    }
    const QColor bandColour = ToQColor(colours.innerFrame);
    const QRect inner = EditContentRect(widgetRect);
    painter.fillRect(QRect(band.left(), band.top(), band.width(), kEditBandWidth), bandColour);
    painter.fillRect(QRect(band.left(), inner.bottom() + 1, band.width(), kEditBandWidth), bandColour);
    painter.fillRect(QRect(band.left(), inner.top(), kEditBandWidth, inner.height()), bandColour);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), kEditBandWidth, inner.height()), bandColour);
}

void PaintEditOuterLine(QPainter& painter, const QRect& widgetRect, const EditColours& colours) {
    if (widgetRect.width() < 3 || widgetRect.height() < 3) {
        return;
    }
    const QColor line = ToQColor(colours.outerFrame);
    const QRect& r = widgetRect;
    // Four single-pixel strips leave the corner pixels out: the 2 × 2 rounding.
    painter.fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 1), line);
    painter.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), line);
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), line);
    painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), line);
}
