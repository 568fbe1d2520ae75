// The drawn frame of a skinned edit. The frame surrounded the client area on
// the original platform; a Qt widget paints only inside itself, so here the
// frame takes the widget's outer pixels and the text keeps clear of it
// through the edit's text margins.
#pragma once

#include "edit_colours.h"

#include <QRect>

class QPainter;

// From the edge inwards: a 1-pixel outer line without its corner pixels (the
// 2 × 2 rounding), then a 2-pixel band in the background choice.
inline constexpr int kEditOuterLineWidth = 1;
inline constexpr int kEditBandWidth = 2;
inline constexpr int kEditFrameWidth = kEditOuterLineWidth + kEditBandWidth;

// Inside the frame: where the field's own background and text go.
QRect EditContentRect(const QRect& widgetRect);

// The field's fill: the whole content (the band and the area inside it) in
// the background colour, unless the field is transparent (then only the
// band, which always takes the background choice).
void PaintEditBackground(QPainter& painter, const QRect& widgetRect, const EditColours& colours,
                         bool withFrame);

// The outer line, drawn after the text so nothing covers it.
void PaintEditOuterLine(QPainter& painter, const QRect& widgetRect, const EditColours& colours);
