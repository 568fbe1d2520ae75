// What a reader sees of the toolkit's text: lists in their template's font,
// message lines that keep words and addresses whole, readable colours.
#include "button_skins.h"
#include "colour_contrast.h"
#include "dialog_units.h"
#include "line_breaking.h"
#include "template_builder.h"
#include "widget_test_app.h"

#include <QComboBox>
#include <QImage>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The widths the wireless and security pages give their lists.
constexpr ControlTemplate kListControls[] = {
    {1, ControlKind::DropList, u"", 10, 10, 60, 50},
    {2, ControlKind::DropList, u"", 10, 30, 82, 85},
};
constexpr DialogTemplate kListTemplate{9301, 120, 60, false, kListControls};

int TextRoom(QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = false;
    // The label is drawn a pixel in from each side of the field.
    return list.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
               .width() -
           2;
}

bool AnyLineSplits(const QStringList& lines, const QString& token) {
    const QString joined = lines.join(u'\n');
    return !joined.contains(token);
}

}  // namespace

TEST(DropList, ShowsTheLongestChoicesOfThePagesWhole) {
    QWidget parent;
    const auto controls = BuildControls(kListTemplate, &parent);
    auto* narrow = qobject_cast<QComboBox*>(controls.value(1));
    auto* wide = qobject_cast<QComboBox*>(controls.value(2));
    ASSERT_NE(narrow, nullptr);
    ASSERT_NE(wide, nullptr);
    for (const QString& text : {QStringLiteral("Open System"), QStringLiteral("Shared Key"),
                                QStringLiteral("Hexadecimal"), QStringLiteral("WPA2-PSK")}) {
        EXPECT_LE(narrow->fontMetrics().horizontalAdvance(text), TextRoom(*narrow)) << qPrintable(text);
    }
    EXPECT_LE(wide->fontMetrics().horizontalAdvance(QStringLiteral("802.11b/g/n mixed")), TextRoom(*wide));
    EXPECT_EQ(narrow->font().pixelSize(), 11);  // 8 points at 96 DPI
}

TEST(MessageLines, KeepAddressesAndWordsWholeAndFillTheWidth) {
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    const QString mac = QStringLiteral("00:1A:2B:3C:4D:5E.");
    const QString text = QStringLiteral("The router now uses the MAC address of this computer: ") + mac +
                         QStringLiteral(" Its WAN address is 198.51.100.7 from now on.");
    for (int width = 60; width <= 400; width += 7) {
        const QStringList lines = BreakMessageLines(text, metrics, width);
        EXPECT_FALSE(AnyLineSplits(lines, mac)) << width;
        EXPECT_FALSE(AnyLineSplits(lines, QStringLiteral("198.51.100.7"))) << width;
        EXPECT_FALSE(AnyLineSplits(lines, QStringLiteral("computer:"))) << width;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const bool onlyOnePiece = !lines[i].contains(u' ');
            EXPECT_TRUE(onlyOnePiece || metrics.horizontalAdvance(lines[i]) <= width) << qPrintable(lines[i]);
            // Greedy: the next line's first word would not have fitted.
            if (i + 1 < lines.size()) {
                const QString grown = lines[i] + u' ' + lines[i + 1].section(u' ', 0, 0);
                EXPECT_GT(metrics.horizontalAdvance(grown), width) << qPrintable(lines[i]);
            }
        }
    }
    EXPECT_EQ(BreakMessageLines(QStringLiteral("One\nTwo"), metrics, 400), QStringList({"One", "Two"}));
}

TEST(MessageLines, ChineseBreaksBetweenCharactersButNeverLeavesOneAlone) {
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    const QString sentence = QStringLiteral("请确认路由器已经连接到电脑并且电源已经打开。");
    const int charWidth = metrics.horizontalAdvance(QStringLiteral("请"));
    for (int perLine = 3; perLine <= 22; ++perLine) {
        const QStringList lines = BreakMessageLines(sentence, metrics, charWidth * perLine + 1);
        EXPECT_EQ(lines.join(QString()), sentence);
        for (const QString& line : lines) {
            EXPECT_FALSE(line.startsWith(u'。')) << perLine;
        }
        // The last line holds more than one character and its full stop.
        EXPECT_GE(lines.back().size(), lines.size() > 1 ? 3 : 1) << perLine << qPrintable(lines.back());
    }
    // A MAC inside Chinese text stays whole.
    const QString mixed = QStringLiteral("本机的MAC地址是00:1A:2B:3C:4D:5E。");
    for (int width = 20; width <= 300; width += 5) {
        EXPECT_FALSE(
            AnyLineSplits(BreakMessageLines(mixed, metrics, width), QStringLiteral("00:1A:2B:3C:4D:5E")));
    }
}

TEST(LinkHover, ReadableOverEveryPixelUnderTheLinks) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    // Where the main window puts its web link and the connection-type page
    // its choices, over the skin pictures drawn under them.
    struct Place {
        const char* picture;
        QRect units;
    };
    const Place places[] = {
        {"dlgMainUI.bmp", {312, 19, 98, 14}},
        {"Background2.bmp", {22, 56, 102, 14}},
        {"Background2.bmp", {22, 184, 102, 14}},
    };
    const QColor hover = ToQColor(kLinkHoverColour);
    for (const Place& place : places) {
        const QImage picture(QStringLiteral(QELVANE_TEST_BIN_DIR "/Skin/") + QLatin1String(place.picture));
        ASSERT_FALSE(picture.isNull()) << place.picture;
        const QRect area =
            DialogUnitsToPixels(place.units.x(), place.units.y(), place.units.width(), place.units.height());
        double worst = 21.0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                worst = std::min(worst, ContrastRatio(hover, picture.pixelColor(x, y)));
            }
        }
        EXPECT_GE(worst, kReadableContrast) << place.picture;
    }
}
