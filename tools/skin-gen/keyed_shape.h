// Shaped windows and controls are cut out by a colour key: every pixel that
// shows pure yellow becomes transparent. Pictures with an outline are painted
// antialiased onto transparency first and then made two-level here, so no edge
// pixel is a yellow blend and no inside pixel is yellow by accident.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <functional>

namespace skin_gen {

inline constexpr QRgb kKey = 0xFFFFFF00;  // RGB(255,255,0)

// Paints into a transparent picture of the given size, then keys it.
QImage RenderKeyed(QSize size, const std::function<void(QPainter&)>& paint);

// Pixels under half coverage become the key; the rest become fully opaque
// in their own colour (never the key colour itself).
QImage KeyOut(const QImage& painted);

// A rounded rectangle with its edges on pixel boundaries.
QPainterPath RoundedOutline(const QRectF& rect, qreal radius);

}  // namespace skin_gen
