// Background1 (welcome), Background2 (step pages) and Background3 (result).
#include "devices.h"
#include "families.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace skin_gen {

namespace {

constexpr QSize kPageSize(651, 345);

QImage Welcome() {
    QImage image = Canvas(kPageSize, Qt::white);
    QPainter p(&image);
    PrepareSmooth(p);
    p.fillRect(image.rect(), VerticalGradient(0, kPageSize.height(), Qt::white, colour::kPanelShade));

    // A soft disc behind the router on the left third.
    const QPointF centre(156, 182);
    QRadialGradient disc(centre, 132);
    disc.setColorAt(0, colour::kAccentPale);
    disc.setColorAt(0.85, colour::kAccentPale.lighter(104));
    disc.setColorAt(
        1, QColor(colour::kAccentPale.red(), colour::kAccentPale.green(), colour::kAccentPale.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, 132, 132);

    DrawWaves(p, QPointF(centre.x(), 150), 96, 3, colour::kAccentLight, 6);
    DrawRouterFront(p, QRectF(46, 196, 220, 64), RouterLights::All);
    // A shadow under the router.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x5F, 0xA8, 40));
    p.drawEllipse(QPointF(centre.x(), 272), 110, 6);

    // A quiet line between the picture and the text column.
    QLinearGradient line(0, 40, 0, 305);
    line.setColorAt(0, QColor(0xC9, 0xD6, 0xE6, 0));
    line.setColorAt(0.5, colour::kLine);
    line.setColorAt(1, QColor(0xC9, 0xD6, 0xE6, 0));
    p.fillRect(QRectF(303, 40, 1, 265), line);
    PaintPageLeftEdge(p, kPageSize);
    return image;
}

QImage StepPage(bool result) {
    QImage image = Canvas(kPageSize, colour::kPanel);
    QPainter p(&image);
    PrepareSmooth(p);
    // The result page's rows start right under its one-line title.
    PaintStepPage(p, kPageSize, result ? kResultRuleY : kStepRuleY);
    if (result) {
        // A large faint tick in the lower right corner.
        p.setOpacity(0.13);
        DrawRoundMark(p, QRectF(515, 205, 116, 116), colour::kGreen, RoundGlyph::Check);
    }
    return image;
}

}  // namespace

void PaintStepPage(QPainter& p, QSize size, int ruleY) {
    p.fillRect(QRect(QPoint(0, 0), size), VerticalGradient(0, size.height(), Qt::white, colour::kPanel));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kAccentPale);
    p.drawRoundedRect(QRectF(4, 10, 60, 62), 12, 12);
    QLinearGradient line(66, 0, size.width() - 20, 0);
    line.setColorAt(0, colour::kAccent);
    line.setColorAt(0.6, colour::kAccentPale);
    line.setColorAt(1, QColor(0xDC, 0xE8, 0xF6, 0));
    p.fillRect(QRectF(66, ruleY, size.width() - 86, 2), line);
    PaintPageLeftEdge(p, size);
}

void PaintPageLeftEdge(QPainter& p, QSize size) {
    // Pages cover the main window's left edge: carry its outline on.
    p.fillRect(QRectF(0, 0, 2, size.height()), colour::kAccentDark);
}

void DrawPageBackgrounds(SkinOutput& out) {
    out.Bmp(QStringLiteral("Background1.bmp"), Welcome());
    out.Bmp(QStringLiteral("Background2.bmp"), StepPage(false));
    out.Bmp(QStringLiteral("Background3.bmp"), StepPage(true));
}

}  // namespace skin_gen
