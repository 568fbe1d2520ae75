#include "keyed_shape.h"

#include "style.h"

#include <QPainter>

namespace skin_gen {

QImage RenderKeyed(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage painted(size, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        PrepareSmooth(painter);
        paint(painter);
    }
    return KeyOut(painted);
}

QImage KeyOut(const QImage& painted) {
    const QImage straight = painted.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                out[x] = kKey;
                continue;
            }
            const QRgb opaque = in[x] | 0xFF000000u;
            // A drawing that lands exactly on the key would turn into a hole.
            out[x] = opaque == kKey ? qRgb(255, 254, 0) : opaque;
        }
    }
    return keyed;
}

QPainterPath RoundedOutline(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

}  // namespace skin_gen
