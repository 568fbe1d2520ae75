// en/Setup1..4 and cn/Setup1..4: how to cable and power the router, one
// picture per step with its title as caption. The top 85 px stay free for
// the step number and title drawn by the page.
#include "devices.h"
#include "families.h"

#include <QPainterPath>

namespace skin_gen {

namespace {

constexpr QSize kPageSize(651, 345);
const QRectF kRouterBack(280, 150, 340, 70);
const QRectF kModem(40, 148, 160, 100);

struct StepWords {
    QString caption;
    QString modem, router, computer, next;
};

StepWords Words(Lang lang, int step) {
    if (lang == Lang::Chinese) {
        static const QString kCaptions[] = {
            QStringLiteral("请关闭调制解调器（猫）的电源，并将其连接到路由器的 WAN 口。"),
            QStringLiteral("请将电脑连接到路由器的任一 LAN 口。"),
            QStringLiteral("请先打开调制解调器的电源，再打开路由器的电源。"),
            QStringLiteral("确认路由器指示灯已亮，然后单击“下一步”连接路由器。")};
        return {kCaptions[step - 1], QStringLiteral("调制解调器（猫）"), QStringLiteral("路由器"),
                QStringLiteral("电脑"), QStringLiteral("下一步")};
    }
    static const QString kCaptions[] = {
        QStringLiteral("Switch off your modem and connect it to the router's WAN port."),
        QStringLiteral("Connect your computer to one of the router's LAN ports."),
        QStringLiteral("Switch on the modem first, then the router."),
        QStringLiteral("Check that the router's lights are on, then click Next to connect to the router.")};
    return {kCaptions[step - 1], QStringLiteral("Modem"), QStringLiteral("Router"),
            QStringLiteral("Computer"), QStringLiteral("Next")};
}

void Label(QPainter& p, const QRectF& under, qreal gap, const QString& text, Lang lang) {
    DrawCaption(p, QRectF(under.center().x() - 90, under.bottom() + gap, 180, 22), text, lang, 14);
}

void ModemToWan(QPainter& p, const StepWords& words, Lang lang) {
    const QRectF modemSocket = DrawModem(p, kModem, false);
    DrawPowerBadge(p, kModem.topRight() + QPointF(-4, 2), 16, false);
    const QList<QRectF> sockets = DrawRouterBack(p, kRouterBack, RouterPorts::Wan);
    DrawCable(p, modemSocket, sockets[0], colour::kAccent, 26);
    Label(p, kModem.adjusted(0, 0, -70, 0), 6, words.modem, lang);
    Label(p, kRouterBack.adjusted(120, 0, 0, 0), 8, words.router, lang);
}

void ComputerToLan(QPainter& p, const StepWords& words, Lang lang) {
    const QRectF area(40, 112, 190, 150);
    const QRectF pcSocket = DrawComputer(p, area);
    const QList<QRectF> sockets = DrawRouterBack(p, kRouterBack, RouterPorts::AnyLan);
    DrawCable(p, pcSocket, sockets[1], colour::kAmber, 20);
    Label(p, area.adjusted(0, 0, -80, -2), 4, words.computer, lang);
    Label(p, kRouterBack.adjusted(140, 0, 0, 0), 8, words.router, lang);
}

void PowerOrder(QPainter& p, const StepWords& words, Lang lang) {
    DrawModem(p, kModem, true);
    DrawPowerBadge(p, kModem.topRight() + QPointF(-4, 2), 16, true);
    DrawNumberBadge(p, kModem.topLeft() + QPointF(2, 2), 15, 1);
    Label(p, kModem, 10, words.modem, lang);

    // "then": an arrow from the modem to the router.
    QPainterPath arrow;
    arrow.moveTo(236, 192);
    arrow.lineTo(306, 192);
    p.setPen(QPen(colour::kAccentLight, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrow);
    QPainterPath head;
    head.moveTo(326, 192);
    head.lineTo(302, 178);
    head.lineTo(302, 206);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kAccentLight);
    p.drawPath(head);

    const QRectF router(366, 180, 250, 66);
    DrawRouterFront(p, router, RouterLights::PowerOnly);
    DrawPowerBadge(p, router.topRight() + QPointF(-2, -16), 16, true);
    DrawNumberBadge(p, router.topLeft() + QPointF(4, -16), 15, 2);
    Label(p, router, 10, words.router, lang);
}

void LightsThenNext(QPainter& p, const StepWords& words, Lang lang) {
    const QRectF router(60, 178, 350, 74);
    DrawRouterFront(p, router, RouterLights::All);
    Label(p, router, 8, words.router, lang);
    const QRectF button(470, 196, 112, 34);
    PaintButton(p, button, ButtonState::Normal);
    p.setPen(Qt::white);
    p.setFont(TextFont(lang, 15, true));
    p.drawText(button, Qt::AlignCenter, words.next);
    DrawArrowPointer(p, QPointF(548, 216), 1.4);
}

QImage StepPicture(Lang lang, int step) {
    QImage image = Canvas(kPageSize, colour::kPanel);
    QPainter p(&image);
    PrepareSmooth(p);
    PaintStepPage(p, kPageSize);
    const StepWords words = Words(lang, step);
    switch (step) {
        case 1:
            ModemToWan(p, words, lang);
            break;
        case 2:
            ComputerToLan(p, words, lang);
            break;
        case 3:
            PowerOrder(p, words, lang);
            break;
        default:
            LightsThenNext(p, words, lang);
            break;
    }
    DrawCaption(p, QRectF(24, 294, kPageSize.width() - 48, 46), words.caption, lang,
                lang == Lang::Chinese ? 16 : 15, colour::kInk);
    return image;
}

}  // namespace

void DrawInstructionPages(SkinOutput& out) {
    for (const LanguageFolder& language : kLanguageFolders) {
        for (int step = 1; step <= 4; ++step) {
            out.Bmp(QStringLiteral("%1/Setup%2.bmp").arg(QLatin1String(language.folder)).arg(step),
                    StepPicture(language.lang, step));
        }
    }
}

}  // namespace skin_gen
