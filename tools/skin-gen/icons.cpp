// The message-box signs, the program icon and the two radio cursors.
#include "devices.h"
#include "families.h"

#include <functional>

namespace skin_gen {

namespace {

// Signs sit on the message box's panel colour, so no key is needed.
QImage Sign(const std::function<void(QPainter&, const QRectF&)>& draw) {
    QImage image = Canvas(64, 64, colour::kPanel);
    QPainter p(&image);
    PrepareSmooth(p);
    draw(p, QRectF(6, 6, 52, 52));
    return image;
}

QImage Transparent(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// An arrow pointer with a small check box beside its tip: ticked or empty.
QImage RadioCursor(bool checked) {
    QImage image = Transparent(32);
    QPainter p(&image);
    PrepareSmooth(p);
    DrawArrowPointer(p, QPointF(1.5, 1.5), 1.0);
    const QRectF box(17.5, 17.5, 12, 12);
    p.setPen(QPen(checked ? colour::kAccentDark : colour::kInkSoft, 1.5));
    p.setBrush(checked ? colour::kAccent : QColor(Qt::white));
    p.drawRoundedRect(box, 2.5, 2.5);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(box.left() + 2.5, box.center().y());
        tick.lineTo(box.left() + 5, box.bottom() - 2.8);
        tick.lineTo(box.right() - 2.3, box.top() + 3);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return image;
}

}  // namespace

QImage LogoPicture(int size) {
    QImage image = Transparent(size);
    QPainter p(&image);
    PrepareSmooth(p);
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    p.setPen(Qt::NoPen);
    p.setBrush(VerticalGradient(tile.top(), tile.bottom(), colour::kAccentLight, colour::kAccent));
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    DrawRouterGlyph(p, tile.adjusted(s * 0.12, s * 0.06, -s * 0.12, -s * 0.1), Qt::white, colour::kAccent);
    return image;
}

void DrawIconsAndCursors(SkinOutput& out) {
    out.Bmp(QStringLiteral("MsgBox_1.bmp"),
            Sign([](QPainter& p, const QRectF& box) { DrawWarningMark(p, box.adjusted(0, 2, 0, -2)); }));
    out.Bmp(QStringLiteral("MsgBox_2.bmp"), Sign([](QPainter& p, const QRectF& box) {
                DrawRoundMark(p, box, colour::kAccent, RoundGlyph::Question);
            }));
    out.Bmp(QStringLiteral("MsgBox_3.bmp"), Sign([](QPainter& p, const QRectF& box) {
                DrawRoundMark(p, box, colour::kGreen, RoundGlyph::Information);
            }));

    QList<IconPicture> logo;
    for (int size : kLogoIconSizes) logo.append({LogoPicture(size), QPoint(), size == 256});
    out.IconFile(QStringLiteral("logo.ico"), IconKind::Icon, logo);

    const QPoint tip(1, 1);
    out.IconFile(QStringLiteral("RadioCheck.cur"), IconKind::Cursor, {{RadioCursor(true), tip, false}});
    out.IconFile(QStringLiteral("RadioUnCheck.cur"), IconKind::Cursor, {{RadioCursor(false), tip, false}});
}

}  // namespace skin_gen
