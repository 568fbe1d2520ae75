#include "devices.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace skin_gen {

namespace {

const QColor kSocket{0x2B, 0x37, 0x44};
const QColor kAntenna{0x4A, 0x58, 0x68};
const QColor kUnlit{0xC5, 0xCD, 0xD6};
const QColor kScreenTop{0xCF, 0xE3, 0xF8};
const QColor kScreenBottom{0x8F, 0xBA, 0xE6};

void DrawBox(QPainter& p, const QRectF& body, qreal radius) {
    p.setPen(QPen(colour::kInk, 2));
    p.setBrush(VerticalGradient(body.top(), body.bottom(), colour::kDevice, colour::kDeviceShade));
    p.drawRoundedRect(body, radius, radius);
}

void DrawSocket(QPainter& p, const QRectF& socket, const QColor& rim) {
    p.setPen(QPen(rim, 3));
    p.setBrush(kSocket);
    p.drawRoundedRect(socket, 2, 2);
    // The latch notch at the bottom and the contacts at the top.
    p.setPen(Qt::NoPen);
    p.setBrush(kSocket);
    const qreal notch = socket.width() * 0.36;
    p.drawRect(QRectF(socket.center().x() - notch / 2, socket.bottom(), notch, 4));
    p.setBrush(QColor(0xD8, 0xB6, 0x5A));
    p.drawRect(QRectF(socket.left() + 5, socket.top() + 4, socket.width() - 10, 3));
}

void DrawLight(QPainter& p, const QPointF& centre, qreal radius, bool lit) {
    if (lit) {
        QRadialGradient glow(centre, radius * 3);
        glow.setColorAt(0, QColor(0x4C, 0xD9, 0x7B, 150));
        glow.setColorAt(1, QColor(0x4C, 0xD9, 0x7B, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius * 3, radius * 3);
    }
    p.setPen(QPen(lit ? colour::kGreen.darker(130) : colour::kGrey, 1));
    p.setBrush(lit ? QColor(0x4C, 0xD9, 0x7B) : kUnlit);
    p.drawEllipse(centre, radius, radius);
}

void DrawAntenna(QPainter& p, qreal x, qreal baseY, qreal length) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAntenna);
    p.drawRoundedRect(QRectF(x - 4, baseY - length, 8, length + 4), 4, 4);
    p.drawRoundedRect(QRectF(x - 7, baseY - 6, 14, 8), 2, 2);
}

QPainterPath RoundedTriangle(const QRectF& box) {
    const QPointF top(box.center().x(), box.top());
    const QPointF left(box.left(), box.bottom());
    const QPointF right(box.right(), box.bottom());
    const qreal cut = box.width() * 0.08;
    auto towards = [](QPointF a, QPointF b, qreal d) {
        const QPointF v = b - a;
        return a + v * (d / std::hypot(v.x(), v.y()));
    };
    QPainterPath path;
    path.moveTo(towards(top, left, cut));
    path.lineTo(towards(left, top, cut));
    path.quadTo(left, towards(left, right, cut));
    path.lineTo(towards(right, left, cut));
    path.quadTo(right, towards(right, top, cut));
    path.lineTo(towards(top, right, cut));
    path.quadTo(top, towards(top, left, cut));
    path.closeSubpath();
    return path;
}

}  // namespace

QList<QRectF> DrawRouterBack(QPainter& p, const QRectF& body, RouterPorts marked, bool labelled) {
    DrawAntenna(p, body.left() + 26, body.top(), 58);
    DrawAntenna(p, body.right() - 26, body.top(), 58);
    DrawBox(p, body, 10);

    const qreal pitch = (body.width() - 84) / 5;
    const qreal socketWidth = 32;
    const qreal socketTop = body.top() + 30;
    QList<QRectF> sockets;
    for (int i = 0; i < 5; ++i) {
        const qreal centre = body.left() + 70 + pitch * i + pitch / 2 - 6;
        sockets.append(QRectF(centre - socketWidth / 2, socketTop, socketWidth, 24));
    }

    QRectF halo;
    if (marked == RouterPorts::Wan) halo = sockets[0];
    if (marked == RouterPorts::Lan1) halo = sockets[1];
    if (marked == RouterPorts::AnyLan) halo = sockets[1].united(sockets[4]);
    if (!halo.isNull()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4A, 0x86, 0xCF, 70));
        p.drawRoundedRect(halo.adjusted(-9, -26, 9, 10), 7, 7);
    }

    // Power socket at the far left.
    const QPointF power(body.left() + 36, socketTop + 12);
    p.setPen(QPen(colour::kInk, 2));
    p.setBrush(kSocket);
    p.drawEllipse(power, 9, 9);
    p.setBrush(colour::kDevice);
    p.drawEllipse(power, 3, 3);
    DrawPowerGlyph(p, QPointF(power.x(), body.top() + 16), 6, colour::kInkSoft, 1.6);

    const QFont labelFont = TextFont(Lang::English, 13, true);
    p.setFont(labelFont);
    for (int i = 0; i < sockets.size(); ++i) {
        const QColor rim = i == 0 ? colour::kAccent : colour::kAmber;
        DrawSocket(p, sockets[i], rim);
        if (!labelled) continue;
        const QString label = i == 0 ? QStringLiteral("WAN") : QStringLiteral("LAN%1").arg(i);
        p.setPen(i == 0 ? colour::kAccent : colour::kInkSoft);
        p.drawText(QRectF(sockets[i].center().x() - 30, body.top() + 6, 60, 20), Qt::AlignCenter, label);
    }
    return sockets;
}

void DrawRouterFront(QPainter& p, const QRectF& body, RouterLights lights) {
    DrawAntenna(p, body.left() + 30, body.top() - 10, 64);
    DrawAntenna(p, body.right() - 30, body.top() - 10, 64);
    // The top face, seen slightly from above.
    QPainterPath top;
    top.moveTo(body.left() + 14, body.top() - 14);
    top.lineTo(body.right() - 14, body.top() - 14);
    top.lineTo(body.right(), body.top() + 6);
    top.lineTo(body.left(), body.top() + 6);
    top.closeSubpath();
    p.setPen(QPen(colour::kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour::kDevice);
    p.drawPath(top);
    DrawBox(p, body, 10);

    // Lights for power, internet (WAN), wireless and LAN1-LAN4, each over its mark.
    const int count = 7;
    const qreal pitch = (body.width() - 60) / count;
    const qreal y = body.center().y() - 6;
    p.setFont(TextFont(Lang::English, 13, true));
    for (int i = 0; i < count; ++i) {
        const QPointF centre(body.left() + 30 + pitch * (i + 0.5), y);
        const bool lit = lights == RouterLights::All || (lights == RouterLights::PowerOnly && i == 0);
        DrawLight(p, centre, 6, lit);
        const QPointF mark(centre.x(), y + 22);
        if (i == 0) {
            DrawPowerGlyph(p, mark, 6, colour::kInkSoft, 1.6);
        } else if (i == 1) {
            p.setPen(QPen(colour::kInkSoft, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(mark, 6, 6);
            p.drawLine(mark + QPointF(-6, 0), mark + QPointF(6, 0));
            p.drawEllipse(mark, 2.5, 6);
        } else if (i == 2) {
            DrawWaves(p, mark + QPointF(0, 6), 11, 2, colour::kInkSoft, 1.6);
        } else {
            p.setPen(colour::kInkSoft);
            p.drawText(QRectF(mark.x() - 10, mark.y() - 9, 20, 18), Qt::AlignCenter, QString::number(i - 2));
        }
    }
}

QRectF DrawModem(QPainter& p, const QRectF& body, bool poweredOn) {
    DrawBox(p, body, 12);
    // Status lights along the top and the power button.
    for (int i = 0; i < 3; ++i) {
        DrawLight(p, QPointF(body.left() + 22 + i * 18, body.top() + 20), 4.5, poweredOn);
    }
    const QPointF button(body.left() + 26, body.bottom() - 26);
    p.setPen(QPen(colour::kInk, 2));
    p.setBrush(colour::kDeviceShade);
    p.drawEllipse(button, 12, 12);
    DrawPowerGlyph(p, button, 6, colour::kInk, 2);
    // Slots of the air vent.
    p.setPen(QPen(colour::kLine, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = body.top() + 42 + i * 9;
        p.drawLine(QPointF(body.right() - 60, y), QPointF(body.right() - 18, y));
    }
    const QRectF socket(body.right() - 50, body.bottom() - 34, 28, 22);
    DrawSocket(p, socket, colour::kAmber);
    return socket;
}

QRectF DrawComputer(QPainter& p, const QRectF& area) {
    const qreal towerWidth = area.width() * 0.28;
    const QRectF screen(area.left(), area.top(), area.width() - towerWidth - 12, area.height() * 0.66);
    // Stand and foot.
    p.setPen(QPen(colour::kInk, 2));
    p.setBrush(colour::kDeviceShade);
    const qreal cx = screen.center().x();
    p.drawRect(QRectF(cx - 9, screen.bottom(), 18, area.height() * 0.16));
    p.drawRoundedRect(QRectF(cx - 38, screen.bottom() + area.height() * 0.16, 76, 10), 4, 4);
    DrawBox(p, screen, 8);
    const QRectF glass = screen.adjusted(9, 9, -9, -9);
    p.setPen(Qt::NoPen);
    p.setBrush(VerticalGradient(glass.top(), glass.bottom(), kScreenTop, kScreenBottom));
    p.drawRoundedRect(glass, 3, 3);
    // A window on the screen.
    p.setBrush(QColor(255, 255, 255, 190));
    const QRectF window = glass.adjusted(glass.width() * 0.2, glass.height() * 0.22, -glass.width() * 0.2,
                                         -glass.height() * 0.22);
    p.drawRoundedRect(window, 3, 3);
    p.setBrush(colour::kAccent);
    p.drawRect(QRectF(window.left(), window.top(), window.width(), 6));

    const QRectF tower(area.right() - towerWidth, area.top() + area.height() * 0.12, towerWidth,
                       area.height() * 0.88);
    DrawBox(p, tower, 6);
    p.setPen(QPen(colour::kLine, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tower.left() + 9, tower.top() + 14), QPointF(tower.right() - 9, tower.top() + 14));
    p.drawLine(QPointF(tower.left() + 9, tower.top() + 22), QPointF(tower.right() - 9, tower.top() + 22));
    DrawLight(p, QPointF(tower.center().x(), tower.top() + 38), 4, true);
    const QRectF socket(tower.center().x() - 13, tower.bottom() - 34, 26, 20);
    DrawSocket(p, socket, colour::kAmber);
    return socket;
}

void DrawCable(QPainter& p, const QRectF& from, const QRectF& to, const QColor& colour, qreal sag) {
    const QPointF a(from.center().x(), from.bottom() + 10);
    const QPointF b(to.center().x(), to.bottom() + 10);
    const qreal low = std::max(a.y(), b.y()) + sag;
    QPainterPath cable;
    cable.moveTo(a);
    cable.cubicTo(QPointF(a.x(), low), QPointF(b.x(), low), b);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(130), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    for (const QRectF& socket : {from, to}) {
        const QRectF plug(socket.left() + 3, socket.top() + 3, socket.width() - 6, socket.height() + 8);
        p.setPen(QPen(colour.darker(150), 1.5));
        p.setBrush(VerticalGradient(plug.top(), plug.bottom(), colour.lighter(130), colour));
        p.drawRoundedRect(plug, 3, 3);
    }
}

void DrawPowerGlyph(QPainter& p, const QPointF& centre, qreal radius, const QColor& ink, qreal width) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(centre, centre - QPointF(0, radius * 1.15));
}

void DrawPowerBadge(QPainter& p, const QPointF& centre, qreal radius, bool on) {
    const QColor fill = on ? colour::kGreen : colour::kRed;
    p.setPen(QPen(fill.darker(120), 1.5));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    DrawPowerGlyph(p, centre + QPointF(0, radius * 0.08), radius * 0.48, Qt::white, radius * 0.16);
}

void DrawNumberBadge(QPainter& p, const QPointF& centre, qreal radius, int number) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kAccent);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::white);
    p.setFont(TextFont(Lang::English, static_cast<int>(radius * 1.3), true));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2), Qt::AlignCenter,
               QString::number(number));
}

void DrawWaves(QPainter& p, const QPointF& origin, qreal radius, int count, const QColor& ink, qreal width) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= count; ++i) {
        const qreal r = radius * i / count;
        p.drawArc(QRectF(origin.x() - r, origin.y() - r, r * 2, r * 2), 45 * 16, 90 * 16);
    }
}

void DrawWarningMark(QPainter& p, const QRectF& box) {
    p.setPen(QPen(colour::kAmber.darker(125), std::max(1.0, box.width() / 40)));
    p.setBrush(VerticalGradient(box.top(), box.bottom(), colour::kAmber.lighter(115), colour::kAmber));
    p.drawPath(RoundedTriangle(box));
    const qreal w = box.width() * 0.1;
    const qreal cx = box.center().x();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(cx - w / 2, box.top() + box.height() * 0.3, w, box.height() * 0.38), w / 2,
                      w / 2);
    p.drawEllipse(QPointF(cx, box.top() + box.height() * 0.8), w * 0.6, w * 0.6);
}

void DrawRoundMark(QPainter& p, const QRectF& box, const QColor& colour, RoundGlyph glyph) {
    p.setPen(QPen(colour.darker(125), std::max(1.0, box.width() / 40)));
    p.setBrush(VerticalGradient(box.top(), box.bottom(), colour.lighter(120), colour));
    p.drawEllipse(box);
    const qreal s = box.width();
    const QPointF c = box.center();
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    switch (glyph) {
        case RoundGlyph::Information:
            p.drawEllipse(QPointF(c.x(), box.top() + s * 0.27), s * 0.07, s * 0.07);
            p.drawRoundedRect(QRectF(c.x() - s * 0.06, box.top() + s * 0.4, s * 0.12, s * 0.37), s * 0.04,
                              s * 0.04);
            break;
        case RoundGlyph::Question: {
            QPainterPath hook;
            hook.moveTo(c.x() - s * 0.15, c.y() - s * 0.1);
            hook.cubicTo(c.x() - s * 0.15, c.y() - s * 0.32, c.x() + s * 0.17, c.y() - s * 0.32,
                         c.x() + s * 0.15, c.y() - s * 0.1);
            hook.cubicTo(c.x() + s * 0.13, c.y() + s * 0.02, c.x(), c.y() + s * 0.02, c.x(),
                         c.y() + s * 0.12);
            p.setPen(QPen(Qt::white, s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(hook);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(c.x(), c.y() + s * 0.28), s * 0.07, s * 0.07);
            break;
        }
        case RoundGlyph::Check: {
            QPainterPath tick;
            tick.moveTo(c.x() - s * 0.22, c.y() + s * 0.02);
            tick.lineTo(c.x() - s * 0.06, c.y() + s * 0.18);
            tick.lineTo(c.x() + s * 0.24, c.y() - s * 0.16);
            p.setPen(QPen(Qt::white, s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
            break;
        }
    }
}

QPainterPath ArrowPointer(const QPointF& tip, qreal scale) {
    static const QPointF kPoints[] = {{0, 0},   {0, 19},     {4.5, 15},   {8, 22.5},
                                      {11, 21}, {7.6, 13.8}, {13.5, 13.5}};
    QPainterPath path;
    path.moveTo(tip);
    for (const QPointF& point : kPoints) path.lineTo(tip + point * scale);
    path.closeSubpath();
    return path;
}

void DrawArrowPointer(QPainter& p, const QPointF& tip, qreal scale) {
    p.setPen(QPen(Qt::black, std::max(1.0, scale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(ArrowPointer(tip, scale));
}

void DrawRouterGlyph(QPainter& p, const QRectF& box, const QColor& ink, const QColor& lights) {
    const qreal s = box.width();
    const qreal stroke = std::max(1.0, s * 0.07);
    // Small icons leave the antennas out and keep one wave, or the lines run
    // together into a blur.
    const bool small = s < 24;
    const QRectF body(box.left() + s * 0.1, box.top() + s * 0.58, s * 0.8, s * 0.28);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (!small) {
        for (const qreal x : {body.left() + s * 0.05, body.right() - s * 0.05 - stroke}) {
            p.drawRoundedRect(QRectF(x, box.top() + s * 0.36, stroke, s * 0.24), stroke / 2, stroke / 2);
        }
    }
    p.drawRoundedRect(body, s * 0.07, s * 0.07);
    p.setBrush(lights);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(body.left() + s * (0.16 + 0.13 * i), body.center().y()), s * 0.045, s * 0.045);
    }
    if (small) {
        DrawWaves(p, QPointF(box.center().x(), box.top() + s * 0.5), s * 0.3, 1, ink, stroke);
    } else {
        DrawWaves(p, QPointF(box.center().x(), box.top() + s * 0.5), s * 0.4, 2, ink, stroke);
    }
}

void DrawCaption(QPainter& p, const QRectF& area, const QString& text, Lang lang, int pixelSize,
                 const QColor& ink, bool bold) {
    p.setPen(ink);
    p.setFont(TextFont(lang, pixelSize, bold));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace skin_gen
