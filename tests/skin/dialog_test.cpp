// Dialogs built from templates, and the message box every page reports through.
#include "dialog_base.h"
#include "dialog_units.h"
#include "hw_button_kinds.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "ip_address_ctrl.h"
#include "message_box.h"
#include "program_dir.h"
#include "window_owner.h"
#include "modal_watch.h"
#include "widget_test_app.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kTestTemplateId = 9001;
constexpr ControlTemplate kTestControls[] = {
    {100, ControlKind::Static, u"Account", 10, 10, 50, 9, kStyleRightAligned},
    {101, ControlKind::Edit, u"", 70, 8, 60, 12, kStyleNone, 5},
    {102, ControlKind::Static, u"Server", 10, 30, 50, 9},
    {103, ControlKind::IpAddress, u"", 70, 28, 80, 12},
    {104, ControlKind::DropList, u"", 70, 48, 60, 40},
    {105, ControlKind::Button, u"Go", 70, 70, 50, 14, kStyleDefaultButton},
    {106, ControlKind::Button, u"Hidden", 130, 70, 50, 14, kStyleHidden},
};
constexpr DialogTemplate kTestTemplate{kTestTemplateId, 200, 100, false, kTestControls};

class TestDialog : public CDialogBase {
public:
    TestDialog() : CDialogBase(kTestTemplateId, nullptr) { RegisterDialogTemplate(kTestTemplate); }
    int initCalls = 0;

protected:
    bool OnInitDialog() override {
        ++initCalls;
        return true;
    }
};

// Types text the way a user does: each key goes to whatever has the focus.
void TypeText(const QString& text) {
    for (QChar c : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
}

}  // namespace

TEST(DialogUnits, EdgesConvertSoNeighboursStillTouch) {
    EXPECT_EQ(DialogUnitsToPixels(435, 308), QSize(653, 501));
    EXPECT_EQ(DialogUnitsToPixels(0, 43, 432, 210), QRect(0, 70, 648, 341));
    // Two controls that touch in dialog units touch in pixels whatever the rounding.
    const QRect left = DialogUnitsToPixels(61, 5, 7, 13);
    const QRect right = DialogUnitsToPixels(68, 18, 9, 3);
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(left.bottom() + 1, right.top());
}

TEST(TemplateDialog, BuildsEveryControlWhereAndAsTheTableSays) {
    WidgetTestApp();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_TRUE(dialog.Create());  // once only
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_EQ(dialog.size(), DialogUnitsToPixels(200, 100));

    auto* label = dialog.Item<CHwStatic>(100);
    auto* edit = dialog.Item<CHwEdit>(101);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_NE(dialog.Item<CIpAddressCtrl>(103), nullptr);
    EXPECT_NE(dialog.Item<QComboBox>(104), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(999), nullptr);
    EXPECT_EQ(label->geometry(), DialogUnitsToPixels(10, 10, 50, 9));
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_EQ(edit->maxLength(), 5);
    EXPECT_TRUE(dialog.GetDlgItem(106)->isHidden());
    // The label names its field for screen readers.
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(dialog.Item<CHwStatic>(102)->buddy(), dialog.GetDlgItem(103));
}

TEST(TemplateDialog, TabFollowsTheTableAndEscapeCancels) {
    WidgetTestApp();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.GetDlgItem(101)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(dialog.GetDlgItem(103)->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == dialog.GetDlgItem(103));

    dialog.hide();
    WhenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), kResultCancel);
}

TEST(TemplateDialog, EnterPressesTheDefaultButtonUnlessDiscarded) {
    WidgetTestApp();
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    int clicks = 0;
    QObject::connect(dialog.Item<QAbstractButton>(105), &QAbstractButton::clicked, [&clicks] { ++clicks; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.GetDlgItem(101)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);

    dialog.SetDiscardEnterEscape(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(MessageBox, QuestionAnswersYesNoOrCancelOnEscape) {
    WidgetTestApp();
    WhenModalShows([](QWidget* modal) {
        auto* box = static_cast<CDlgMessageBox*>(modal);
        EXPECT_TRUE(box->GetDlgItem(1)->isHidden());
        EXPECT_TRUE(box->GetDlgItem(6)->isVisible());
        QTest::mouseClick(box->GetDlgItem(7), Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox(GetModuleDir(), kMessageQuestion, u"Exit"_qs, u"Leave?"_qs), kResultNo);

    WhenModalShows([](QWidget* modal) {
        QTest::mouseClick(static_cast<CDlgMessageBox*>(modal)->GetDlgItem(6), Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox(GetModuleDir(), kMessageQuestion, u"Exit"_qs, u"Leave?"_qs), kResultYes);

    WhenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessageBox(GetModuleDir(), kMessageQuestion, u"Exit"_qs, u"Leave?"_qs), kResultCancel);
}

TEST(MessageBox, OtherTypesShowOkWithTheirTextsAndEnterConfirms) {
    WidgetTestApp();
    for (int type : {0, kMessageWarning, kMessageInformation, 4}) {
        WhenModalShows([type](QWidget* modal) {
            auto* box = static_cast<CDlgMessageBox*>(modal);
            EXPECT_TRUE(box->GetDlgItem(1)->isVisible()) << type;
            EXPECT_TRUE(box->GetDlgItem(6)->isHidden()) << type;
            EXPECT_EQ(box->Item<CHwStatic>(1211)->text(), u"Title"_qs);
            EXPECT_EQ(box->Item<CHwStatic>(1212)->text(), u"Text"_qs);
            // No taskbar entry, and not left above every other window.
            EXPECT_TRUE((box->windowFlags() & Qt::Tool) == Qt::Tool);
            EXPECT_FALSE(box->windowFlags() & Qt::WindowStaysOnTopHint);
            QTest::keyClick(modal, Qt::Key_Return);
        });
        EXPECT_EQ(ShowMessageBox(GetModuleDir(), type, u"Title"_qs, u"Text"_qs), kResultOk) << type;
    }
}

TEST(IpAddressCtrl, ReadsFourOctetsAndBlankAsZero) {
    WidgetTestApp();
    CIpAddressCtrl control;
    EXPECT_TRUE(control.IsBlank());
    EXPECT_EQ(control.GetAddress(), 0u);
    control.SetAddress(0xC0A80001u);
    EXPECT_EQ(control.Text(), u"192.168.0.1"_qs);
    EXPECT_EQ(control.GetAddress(), 0xC0A80001u);
    control.ClearAddress();
    control.show();
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    control.setFocus();
    // Typing the dotted text moves from box to box.
    TypeText(u"10.0.20.254"_qs);
    EXPECT_EQ(control.GetAddress(), 0x0A0014FEu);
    // An octet above 255 cannot be typed.
    control.ClearAddress();
    control.setFocus();
    TypeText(u"300"_qs);
    EXPECT_LE(control.GetAddress() >> 24, 255u);
    EXPECT_NE(control.Text().left(3), u"300"_qs);
}

TEST(WindowOwner, BoxIsCentredOnTheWizardAndKeptOnItsScreen) {
    const QRect screen(0, 0, 1280, 800);
    // Centred on a wizard that was moved away from the screen's centre.
    EXPECT_EQ(CentredOn(QRect(500, 100, 650, 500), QSize(490, 120), screen), QPoint(580, 290));
    // A wizard dragged half off the screen: its box stays whole on it.
    EXPECT_EQ(CentredOn(QRect(1000, -200, 650, 500), QSize(490, 120), screen), QPoint(790, 0));
    EXPECT_EQ(CentredOn(QRect(-600, 700, 650, 500), QSize(490, 120), screen), QPoint(0, 680));
    // No screen known, or a box larger than the screen: centred only.
    EXPECT_EQ(CentredOn(QRect(1000, -200, 650, 500), QSize(490, 120), QRect()), QPoint(1080, -10));
    EXPECT_EQ(CentredOn(QRect(0, 0, 100, 100), QSize(2000, 100), screen), QPoint(-950, 0));
}
