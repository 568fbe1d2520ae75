// Texts where a reader expects them: captions on their values' line, whole
// and clear of the rules the page backgrounds draw.
#include "hw_button_kinds.h"
#include "hw_static.h"
#include "language_choice.h"
#include "mac_clone_page.h"
#include "page_test_helpers.h"
#include "result_page.h"
#include "static_ip_page.h"
#include "wan_type_page.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace page_test;

namespace {

constexpr int kResultIpLabel = 1066, kResultIpField = 1197;
constexpr int kStaticIpLabel = 1182;
constexpr int kLanguageIdEnglish = 1033;
constexpr int kMacNote = 1168, kMacLabel = 1061;

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 110;
}

// The lowest row of area (page pixels) with a dark pixel; -1 for none.
int InkBottom(const QImage& page, const QRect& area) {
    for (int y = area.bottom(); y >= area.top(); --y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsInk(page.pixel(x, y))) {
                return y;
            }
        }
    }
    return -1;
}

QImage Grab(QWidget& page) {
    return page.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(TextPlacement, ChineseResultCaptionsSitOnTheBaselineOfTheirValues) {
    TestHost host(kLanguageIdSimpChinese);
    host.App().wanStatus.wanIp = "203.0.113.52";
    auto page = OpenPage<CResultDlg>(host);
    const QImage image = Grab(*page);
    // The caption's "IP" and the value's first digits stand on the baseline.
    const QRect caption = page->GetDlgItem(kResultIpLabel)->geometry();
    const QRect value = page->GetDlgItem(kResultIpField)->geometry();
    const int captionFoot = InkBottom(image, QRect(caption.left(), caption.top(), 10, caption.height()));
    const int valueFoot = InkBottom(image, QRect(value.left(), value.top(), 20, value.height()));
    ASSERT_GE(captionFoot, 0);
    ASSERT_GE(valueFoot, 0);
    EXPECT_NEAR(captionFoot, valueFoot, 1);
}

TEST(TextPlacement, FieldCaptionsShareTheirFieldsRowAndChineseCaptionsKeepTheirFoot) {
    TestHost host;
    auto fixed = OpenPage<CStaticIpDlg>(host);
    const QRect caption = fixed->GetDlgItem(kStaticIpLabel)->geometry();
    const QRect field = fixed->GetDlgItem(CStaticIpDlg::kIdIp)->geometry();
    EXPECT_NEAR(caption.center().y(), field.center().y(), 1);
    EXPECT_EQ(fixed->Item<CHwStatic>(kStaticIpLabel)->alignment() & Qt::AlignVertical_Mask, Qt::AlignVCenter);
    fixed.reset();

    for (const int language : {kLanguageIdEnglish, kLanguageIdSimpChinese}) {
        TestHost mac(language);
        auto page = OpenPage<CMacCloneDlg>(mac);
        const QImage image = Grab(*page);
        // Nothing of "MAC 地址" is cut off at the label's foot.
        const QRect label = page->GetDlgItem(kMacLabel)->geometry();
        EXPECT_EQ(InkBottom(image, QRect(label.left(), label.bottom(), label.width(), 1)), -1) << language;
        // The note shows whole, above the title rule drawn under it.
        auto* note = page->Item<CHwStatic>(kMacNote);
        EXPECT_LE(note->heightForWidth(note->width()), note->height()) << language;
        const int x = note->geometry().center().x();
        int rule = -1;
        for (int y = note->geometry().top(); y < image.height() && rule < 0; ++y) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.blue() > colour.red() + 40) {
                rule = y;
            }
        }
        ASSERT_GT(rule, 0) << language;
        EXPECT_LT(InkBottom(image, note->geometry()), rule - 1) << language;
    }
}

TEST(LinkChoices, LookLikeChoicesUnderTheMouse) {
    TestHost host;
    auto page = OpenPage<CSetup5Dlg>(host);
    auto* choice = page->Item<CHwBtn_Hotspot>(CSetup5Dlg::kIdStaticIp);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->cursor().shape(), Qt::PointingHandCursor);
    const QImage before = Grab(*choice);
    QTest::mouseMove(choice, choice->rect().center());
    EXPECT_EQ(choice->GetStateIndex(), 1);
    const QImage hovered = Grab(*choice);
    EXPECT_NE(hovered, before);
    // The hovered text is the dark hover colour, not a faint grey.
    bool darkBlue = false;
    for (int y = 0; y < hovered.height() && !darkBlue; ++y) {
        for (int x = 0; x < hovered.width() && !darkBlue; ++x) {
            const QColor colour = hovered.pixelColor(x, y);
            darkBlue = colour.blue() > colour.red() + 60 && colour.lightness() < 110;
        }
    }
    EXPECT_TRUE(darkBlue);
}
