// The state strips of the push buttons (normal, hover, pressed, disabled)
// and of the check box (six states). Frames sit side by side, yellow
// outside the rounded shapes.
#include "families.h"
#include "keyed_shape.h"

#include <QPainterPath>

namespace skin_gen {

namespace {

struct ButtonLook {
    QColor top, bottom, edge;
};

// Captions drawn over the frames are white, black, blue and grey in turn.
ButtonLook Look(ButtonState state) {
    switch (state) {
        case ButtonState::Normal:
            return {colour::kAccentLight, colour::kAccent, colour::kAccentDark};
        case ButtonState::Hover:
            return {Qt::white, QColor(0xD6, 0xE7, 0xFA), colour::kAccentLight};
        case ButtonState::Pressed:
            return {QColor(0xC8, 0xDA, 0xF0), QColor(0xE6, 0xEF, 0xFA), colour::kAccent};
        case ButtonState::Disabled:
            break;
    }
    return {QColor(0xE4, 0xE8, 0xED), QColor(0xD8, 0xDD, 0xE3), QColor(0xB4, 0xBC, 0xC6)};
}

QImage Strip(QSize frame, int count, const std::function<void(QPainter&, const QRectF&, int)>& paintFrame) {
    return RenderKeyed(QSize(frame.width() * count, frame.height()), [&](QPainter& p) {
        for (int i = 0; i < count; ++i) {
            paintFrame(p, QRectF(i * frame.width(), 0, frame.width(), frame.height()), i);
        }
    });
}

QImage ButtonStrip(QSize frame) {
    return Strip(frame, 4, [](QPainter& p, const QRectF& cell, int i) {
        PaintButton(p, cell, static_cast<ButtonState>(i));
    });
}

// 0 unchecked, 1 unchecked hover, 2 checked, 3 checked hover,
// 4 disabled unchecked, 5 disabled checked.
void PaintCheckBox(QPainter& p, const QRectF& cell, int state) {
    const bool checked = state == 2 || state == 3 || state == 5;
    const bool hover = state == 1 || state == 3;
    const bool disabled = state >= 4;
    QColor fill = Qt::white;
    QColor edge = QColor(0x8C, 0xA3, 0xBF);
    if (checked) fill = edge = hover ? colour::kAccentLight : colour::kAccent;
    if (!checked && hover) {
        fill = QColor(0xEA, 0xF2, 0xFC);
        edge = colour::kAccent;
    }
    if (disabled) {
        fill = checked ? QColor(0xB4, 0xBC, 0xC6) : QColor(0xEE, 0xF0, 0xF2);
        edge = QColor(0xB4, 0xBC, 0xC6);
    }
    const QRectF box = cell.adjusted(0.75, 0.75, -0.75, -0.75);
    p.setPen(QPen(edge, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(box.left() + 3, box.center().y() + 0.2);
        tick.lineTo(box.left() + 5.8, box.bottom() - 3.2);
        tick.lineTo(box.right() - 2.8, box.top() + 3.5);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

}  // namespace

void PaintButton(QPainter& p, const QRectF& rect, ButtonState state) {
    const ButtonLook look = Look(state);
    const QRectF shape = rect.adjusted(0.75, 0.75, -0.75, -0.75);
    const qreal radius = std::min<qreal>(6, rect.height() / 3);
    p.setPen(QPen(look.edge, 1.5));
    p.setBrush(VerticalGradient(shape.top(), shape.bottom(), look.top, look.bottom));
    p.drawRoundedRect(shape, radius, radius);
    if (state == ButtonState::Normal || state == ButtonState::Hover) {
        // A soft highlight along the upper edge.
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(shape.left() + radius, shape.top() + 1.5),
                   QPointF(shape.right() - radius, shape.top() + 1.5));
    }
}

void DrawControlStrips(SkinOutput& out) {
    out.Bmp(QStringLiteral("CommonButton.bmp"), ButtonStrip(QSize(75, 23)));
    out.Bmp(QStringLiteral("CommonButton_Little.bmp"), ButtonStrip(QSize(57, 21)));
    out.Bmp(QStringLiteral("Button_RestoreDefault.bmp"), ButtonStrip(QSize(138, 23)));
    out.Bmp(QStringLiteral("btnCheck_Default.bmp"), Strip(QSize(16, 16), 6, PaintCheckBox));
}

}  // namespace skin_gen
