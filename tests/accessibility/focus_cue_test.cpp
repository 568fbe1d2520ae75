// The focus cue on the skinned buttons: hidden while the mouse is used, so
// the skin keeps its look, and drawn from the first key press on, so the
// focused one of two buttons (Yes and No) no longer looks like the other.
#include "button_skins.h"
#include "hw_button_kinds.h"
#include "keyboard_cues.h"
#include "widget_test_app.h"

#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FocusCue : public ::testing::Test {
protected:
    void SetUp() override {
        SetKeyboardCuesShown(false);
        const QString strip = qEnvironmentVariable("QELVANE_BIN_DIR") + u"/Skin/CommonButton_Little.bmp"_qs;
        ASSERT_TRUE(QFileInfo::exists(strip)) << qPrintable(strip);
        window_.resize(260, 80);
        yes_ = new CHwBtn_Pic(&window_);
        no_ = new CHwBtn_Pic(&window_);
        link_ = new CHwBtn_Hotspot(&window_);
        yes_->setText(u"Yes"_qs);
        no_->setText(u"No"_qs);
        link_->setText(u"Static IP"_qs);
        yes_->setGeometry(10, 10, 57, 21);
        no_->setGeometry(80, 10, 57, 21);
        link_->setGeometry(10, 45, 150, 16);
        ApplyCommonButtonSkin(yes_, true, strip);
        ApplyCommonButtonSkin(no_, true, strip);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    void TearDown() override { SetKeyboardCuesShown(false); }

    static QImage Look(QWidget* button) { return button->grab().toImage(); }

    QWidget window_;
    CHwBtn_Pic* yes_ = nullptr;
    CHwBtn_Pic* no_ = nullptr;
    CHwBtn_Hotspot* link_ = nullptr;
};

}  // namespace

TEST_F(FocusCue, IsHiddenForTheMouseAndShownOnEveryButtonOnceAKeyIsPressed) {
    for (QWidget* button : std::initializer_list<QWidget*>{yes_, no_, link_}) {
        SCOPED_TRACE(qPrintable(static_cast<QAbstractButton*>(button)->text()));
        QWidget* other = button == yes_ ? no_ : yes_;
        SetKeyboardCuesShown(false);
        other->setFocus(Qt::MouseFocusReason);
        const QImage unfocused = Look(button);
        button->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(button->hasFocus());
        // A mouse user sees the skin's own face.
        EXPECT_EQ(Look(button), unfocused);

        // A key typed anywhere in the program brings the cue.
        QTest::keyClick(&window_, Qt::Key_Shift);
        ASSERT_TRUE(KeyboardCuesShown());
        const QImage focused = Look(button);
        EXPECT_NE(focused, unfocused);
        // Only the focused button shows it.
        other->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Look(button), unfocused);
    }
}
