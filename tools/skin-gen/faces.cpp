// The shaped window faces: the main window, the message box and the
// "cannot reach the router" pop-up (one per language).
#include "devices.h"
#include "families.h"
#include "keyed_shape.h"

#include <QPainterPath>

namespace skin_gen {

namespace {

constexpr qreal kCorner = 14;
constexpr qreal kHeaderBottom = 70;
constexpr qreal kBottomBarTop = 411;
// The header's right part (where a link is drawn) sits lower than the brand
// tab; the step between them runs from x 300 to 370.
constexpr qreal kStepStart = 300;
constexpr qreal kStepEnd = 370;
constexpr qreal kStepDrop = 10;

void AddHeaderStep(QPainterPath& path, qreal top) {
    path.lineTo(kStepStart, top);
    path.cubicTo(kStepStart + 30, top, kStepEnd - 30, top + kStepDrop, kStepEnd, top + kStepDrop);
}

// The main window: rounded corners and the stepped header.
QPainterPath MainOutline(QSizeF size) {
    const qreal w = size.width() - 1;
    const qreal h = size.height() - 1;
    const qreal r = kCorner;
    const qreal top = 1;
    const qreal lowTop = top + kStepDrop;
    QPainterPath path;
    path.moveTo(1, top + r);
    path.arcTo(QRectF(1, top, 2 * r, 2 * r), 180, -90);
    AddHeaderStep(path, top);
    path.lineTo(w - r, lowTop);
    path.arcTo(QRectF(w - 2 * r, lowTop, 2 * r, 2 * r), 90, -90);
    path.lineTo(w, h - r);
    path.arcTo(QRectF(w - 2 * r, h - 2 * r, 2 * r, 2 * r), 0, -90);
    path.lineTo(1 + r, h);
    path.arcTo(QRectF(1, h - 2 * r, 2 * r, 2 * r), 270, -90);
    path.closeSubpath();
    return path;
}

void PaintMainFace(QPainter& p, QSize size) {
    const QPainterPath outline = MainOutline(size);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kPanel);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);

    // Header: light on the right (a link is drawn there), the blue brand tab
    // on the left following the outline's step.
    p.fillRect(QRectF(0, 0, size.width(), kHeaderBottom),
               VerticalGradient(0, kHeaderBottom, colour::kPanelShade, Qt::white));
    QPainterPath tab;
    tab.moveTo(0, 0);
    AddHeaderStep(tab, 1);
    tab.cubicTo(kStepEnd - 18, 30, kStepEnd - 20, 60, kStepEnd - 52, kHeaderBottom);
    tab.lineTo(0, kHeaderBottom);
    tab.closeSubpath();
    p.setBrush(VerticalGradient(0, kHeaderBottom, colour::kAccentLight, colour::kAccent));
    p.drawPath(tab);
    // Faint waves across the tab.
    p.save();
    p.setClipPath(tab, Qt::IntersectClip);
    p.setOpacity(0.12);
    DrawWaves(p, QPointF(250, 150), 170, 4, Qt::white, 5);
    p.restore();
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(16, 12, 46, 46), 12, 12);
    DrawRouterGlyph(p, QRectF(20, 14, 38, 38), Qt::white, colour::kAccent);
    p.fillRect(QRectF(0, kHeaderBottom - 2, size.width(), 2), colour::kAccentDark);

    // Bottom bar with a hairline above it.
    p.fillRect(QRectF(0, kBottomBarTop, size.width(), size.height() - kBottomBarTop),
               VerticalGradient(kBottomBarTop, size.height(), colour::kPanelShade, colour::kAccentPale));
    p.fillRect(QRectF(0, kBottomBarTop, size.width(), 1), colour::kLine);
    p.restore();

    p.setPen(QPen(colour::kAccentDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

// A rounded dialog face with a coloured band along its top edge.
void PaintDialogFace(QPainter& p, QSize size, const QColor& band) {
    const QPainterPath outline = RoundedOutline(QRectF(1, 1, size.width() - 2, size.height() - 2), 10);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kPanel);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(0, 0, size.width(), 5), band);
    p.restore();
    p.setPen(QPen(colour::kAccentDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

struct LinkErrorText {
    QString title;
    QStringList checks;
};

LinkErrorText LinkErrorWords(Lang lang) {
    if (lang == Lang::Chinese) {
        return {QStringLiteral("无法连接到路由器"),
                {QStringLiteral("1. 请将电脑的网线接到路由器的 LAN 口。"),
                 QStringLiteral("2. 请确认路由器的电源已打开。"),
                 QStringLiteral("3. 待指示灯亮起后，单击“重试”。")}};
    }
    return {QStringLiteral("Cannot reach the router"),
            {QStringLiteral("1. Plug the PC's cable into a LAN port."),
             QStringLiteral("2. Make sure the router is switched on."),
             QStringLiteral("3. When its lights are on, click Retry.")}};
}

// The pop-up face; the Retry button is drawn over x 210..300, y 122..156.
void PaintLinkError(QPainter& p, QSize size, Lang lang) {
    PaintDialogFace(p, size, colour::kAmber);
    DrawWarningMark(p, QRectF(18, 14, 40, 36));
    const LinkErrorText words = LinkErrorWords(lang);
    p.setPen(colour::kInk);
    p.setFont(TextFont(lang, 17, true));
    p.drawText(QRectF(70, 14, 290, 36), Qt::AlignLeft | Qt::AlignVCenter, words.title);
    p.setFont(TextFont(lang, lang == Lang::Chinese ? 14 : 13));
    for (int i = 0; i < words.checks.size(); ++i) {
        p.drawText(QRectF(22, 56 + i * 21, 330, 21), Qt::AlignLeft | Qt::AlignVCenter, words.checks[i]);
    }

    // A small picture of the cable from the computer to a LAN port.
    p.save();
    p.translate(356, 22);
    p.scale(0.42, 0.42);
    const QList<QRectF> sockets = DrawRouterBack(p, QRectF(0, 60, 340, 70), RouterPorts::Lan1, false);
    const QRectF pc = DrawComputer(p, QRectF(0, 160, 120, 110));
    DrawCable(p, pc, sockets[1], colour::kAccent, 30);
    p.restore();
}

}  // namespace

void DrawWindowFaces(SkinOutput& out) {
    const QSize main(653, 501);
    out.Bmp(QStringLiteral("dlgMainUI.bmp"), RenderKeyed(main, [&](QPainter& p) { PaintMainFace(p, main); }));
    const QSize box(492, 120);
    out.Bmp(QStringLiteral("DlgMessageBox.bmp"),
            RenderKeyed(box, [&](QPainter& p) { PaintDialogFace(p, box, colour::kAccent); }));
    const QSize popup(507, 159);
    for (const LanguageFolder& language : kLanguageFolders) {
        out.Bmp(QStringLiteral("%1/link_error.bmp").arg(QLatin1String(language.folder)),
                RenderKeyed(popup, [&](QPainter& p) { PaintLinkError(p, popup, language.lang); }));
    }
}

}  // namespace skin_gen
