// progress1..5.png: frames of the busy window. The window shows each frame
// from (5,5) on; a label covers x 98..365, y 18..63, so that area stays plain.
#include "families.h"

#include <cmath>
#include <numbers>

namespace skin_gen {

namespace {

constexpr int kFrames = 5;
constexpr int kDots = 10;

QImage ProgressFrame(int frame) {
    QImage image = Canvas(458, 135, colour::kPanel);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(image.rect(), VerticalGradient(0, image.height(), Qt::white, colour::kPanel));
    p.fillRect(QRectF(5, 5, image.width() - 5, 4), colour::kAccent);

    // A ring of dots whose bright head moves two dots per frame.
    const QPointF centre(52, 68);
    const int head = frame * kDots / kFrames;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kDots; ++i) {
        const int behind = (head - i + kDots) % kDots;
        const qreal angle = 2 * std::numbers::pi * i / kDots - std::numbers::pi / 2;
        QColor dot = colour::kAccent;
        dot.setAlphaF(std::max(0.15, 1.0 - behind * 0.17));
        p.setBrush(dot);
        const qreal radius = behind == 0 ? 5.5 : 4.5;
        p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 24, radius, radius);
    }

    // A track under the label with a segment sliding along it.
    const QRectF track(98, 86, 340, 6);
    p.setBrush(colour::kAccentPale);
    p.drawRoundedRect(track, 3, 3);
    const qreal length = 90;
    const qreal left = track.left() + (track.width() - length) * frame / (kFrames - 1);
    QLinearGradient slide(left, 0, left + length, 0);
    slide.setColorAt(0, colour::kAccentLight);
    slide.setColorAt(1, colour::kAccent);
    p.setBrush(slide);
    p.drawRoundedRect(QRectF(left, track.top(), length, track.height()), 3, 3);
    return image;
}

}  // namespace

void DrawProgressFrames(SkinOutput& out) {
    for (int frame = 0; frame < kFrames; ++frame) {
        out.Png(QStringLiteral("progress%1.png").arg(frame + 1), ProgressFrame(frame));
    }
}

}  // namespace skin_gen
