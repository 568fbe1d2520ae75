// The skinned buttons as widgets, driven through events.
#include "button_skins.h"
#include "button_test_support.h"
#include "hw_button_kinds.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SkinnedButtons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.isValid());
        window_ = std::make_unique<QWidget>();
        window_->resize(300, 200);
    }

    QString SaveStrip(int count) {
        const QString path = files_.filePath(QStringLiteral("strip%1.bmp").arg(count));
        EXPECT_TRUE(MakeStrip(count).save(path, "BMP"));
        return path;
    }

    void ShowWindow() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    static QColor CentreColour(QWidget& widget) {
        const QImage image = widget.grab().toImage();
        return image.pixelColor(image.rect().center());
    }

    QTemporaryDir files_;
    std::unique_ptr<QWidget> window_;
};

TEST_F(SkinnedButtons, StripButtonDrawsTheFrameOfItsState) {
    auto* button = new CHwBtn_Pic(window_.get());
    button->setGeometry(50, 40, 101, 30);
    button->SetSkinImage(SaveStrip(4), 4, QString(), true);
    button->UpdateLayout();
    // Image only, auto-sized: one frame wide, two pixels taller, centred.
    EXPECT_EQ(button->geometry(), QRect(95, 40, 10, 10));
    ShowWindow();
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    EXPECT_EQ(button->GetStateIndex(), 0);
    EXPECT_EQ(CentreColour(*button), kFrameColours[0]);
    QTest::mouseMove(button, QPoint(5, 5));
    EXPECT_EQ(button->GetStateIndex(), 1);
    EXPECT_EQ(CentreColour(*button), kFrameColours[1]);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->GetStateIndex(), 2);
    EXPECT_EQ(CentreColour(*button), kFrameColours[2]);
    // Dragged off and released outside: no click, and the normal state, not
    // hover, until the mouse moves again.
    QTest::mouseMove(button, QPoint(50, 50));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->GetStateIndex(), 0);
    // Any move over it brings hover back, even with a button held.
    QMouseEvent heldMove(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(button, &heldMove);
    EXPECT_EQ(button->GetStateIndex(), 1);

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->GetStateIndex(), 0);

    button->setEnabled(false);
    EXPECT_EQ(button->GetStateIndex(), 3);
    EXPECT_EQ(CentreColour(*button), kFrameColours[3]);
}

TEST_F(SkinnedButtons, SingleImageStripMovesWithTheState) {
    auto* button = new CHwBtn_Pic(window_.get());
    button->SetSkinImage(SaveStrip(1), 1, QString(), true);
    button->UpdateLayout();
    ShowWindow();
    // The 10×8 frame centred in the 10×10 button starts at (0, 1); its key
    // pixel is see-through, the pixel after it has the frame colour.
    const auto frameStart = [&] {
        const QImage image = button->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == kFrameColours[0]) return QPoint(x - 1, y);
            }
        }
        return QPoint(-100, -100);
    };
    EXPECT_EQ(frameStart(), QPoint(0, 1));
    QTest::mouseMove(button, QPoint(5, 5));
    EXPECT_EQ(frameStart(), QPoint(-1, 0));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(frameStart(), QPoint(1, 2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(SkinnedButtons, CentredAutoSizeShrinksAroundTheOldCentre) {
    auto* button = new CHwBtn_Pic(window_.get());  // default skin: centred, auto-sized
    button->setText(QStringLiteral("Go"));
    button->setGeometry(40, 20, 200, 40);
    ShowWindow();
    QTRY_VERIFY(button->width() < 200);
    EXPECT_LE(std::abs(button->geometry().center().x() - 139), 1);
    EXPECT_EQ(button->y(), 20);
    const QRect settled = button->geometry();
    QTest::qWait(20);
    EXPECT_EQ(button->geometry(), settled);
}

TEST_F(SkinnedButtons, HotspotTurnsToTheVisitedColourAfterAClick) {
    auto* link = new CHwBtn_Hotspot(window_.get());
    link->setText(QStringLiteral("More"));
    link->setGeometry(10, 10, 80, 20);
    ShowWindow();
    EXPECT_EQ(link->StateAttr(0).textColour, 0xB25125u);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(link->StateAttr(0).textColour, 0x000080u);
    EXPECT_EQ(link->StateAttr(1).textColour, 0x0000FFu);
}

TEST_F(SkinnedButtons, KeyboardFocusesAndPressesButtons) {
    auto* first = new CHwBtn_Pic(window_.get());
    auto* second = new CHwBtn_Pic(window_.get());
    first->setText(QStringLiteral("&Back"));
    second->setText(QStringLiteral("Next"));
    ShowWindow();
    QSignalSpy clicks(second, &QAbstractButton::clicked);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Return);
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(first);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Back"));
}

TEST_F(SkinnedButtons, MissingStripFallsBackToThePlatformLook) {
    auto* button = new CHwBtn_Pic(window_.get());
    EXPECT_TRUE(button->IsOwnerDrawn());
    EXPECT_FALSE(button->LoadImageStripFromFile(4, kSkinKeyColour, files_.filePath("none.bmp")));
    EXPECT_FALSE(button->IsOwnerDrawn());
    // A check box that never got a strip tries its (empty) path at first paint.
    auto* box = new CHwBtn_ChkRadio(window_.get());
    box->setText(QStringLiteral("Remember"));
    ShowWindow();
    EXPECT_FALSE(box->grab().isNull());
    EXPECT_FALSE(box->IsOwnerDrawn());
}

TEST_F(SkinnedButtons, SkinFunctionsLeaveTheirCascade) {
    auto* button = new CHwBtn_Pic(window_.get());
    ApplyCommonButtonSkin(button, true, SaveStrip(4));
    EXPECT_EQ(button->Strip().Count(), 4);
    EXPECT_EQ(button->LayoutMode(), ButtonLayoutMode::CaptionOverImage);
    EXPECT_FALSE(button->IsAutoSkin());
    EXPECT_EQ(button->StateAttr(3).textColour, 0xFF0000u);
    EXPECT_EQ(button->StateAttr(0).font->pixelSize(), 12);  // 9 points

    auto* link = new CHwBtn_Hotspot(window_.get());
    ApplyLinkButtonSkin(link, 0x123456, kDtRight);
    EXPECT_EQ(link->TextFormat(), 0x26u);
    EXPECT_EQ(link->StateAttr(3).textColour, 0xA9A9AAu);
    EXPECT_EQ(link->VisitedColor(), 0x000000u);

    auto* box = new CHwBtn_ChkRadio(window_.get());
    ApplyCheckSkin(box, files_.path() + u'/', QStringLiteral("Tip"));
    EXPECT_EQ(box->StateAttr(5).textColour, 0x604040u);
    EXPECT_EQ(box->LayoutMode(), ButtonLayoutMode::ImageLeftCaptionRight);
    EXPECT_EQ(box->TextFormat(), 0x24u);
    EXPECT_EQ(box->VisitedColor(), kNoColour);
    EXPECT_EQ(box->toolTip(), QStringLiteral("Tip"));
}

TEST_F(SkinnedButtons, CursorFileGivesTheStateCursorWithItsHotspot) {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "ico"));
    QByteArray bytes = buffer.data();
    bytes[2] = 2;   // a cursor directory
    bytes[10] = 3;  // hot spot x
    bytes[11] = 0;
    bytes[12] = 5;  // hot spot y
    bytes[13] = 0;
    QFile file(files_.filePath("arrow.cur"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    auto* box = new CHwBtn_ChkRadio(window_.get());
    EXPECT_TRUE(box->SetCursorFromFile(0, file.fileName()));
    EXPECT_EQ(box->cursor().hotSpot(), QPoint(3, 5));
    EXPECT_FALSE(box->SetCursorFromFile(2, files_.filePath("missing.cur")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(box->StateAttr(2).cursor));
    EXPECT_TRUE(std::holds_alternative<QCursor>(box->StateAttr(1).cursor));
}

class RadioGroup : public SkinnedButtons {
protected:
    CHwBtn_ChkRadio* Add(int id, int kind, bool groupStart) {
        auto* control = new CHwBtn_ChkRadio(window_.get());
        control->SetKind(kind);
        control->SetGroupStart(groupStart);
        control->setText(QStringLiteral("Option %1").arg(id));
        control->setGeometry(10, 10 + 20 * id, 120, 18);
        SetControlId(control, id);
        QObject::connect(control, &CHwBtn_ChkRadio::CheckChanged,
                         [this](int controlId, CHwBtn_ChkRadio* sender) {
                             EXPECT_EQ(ControlId(sender), controlId);
                             notified.push_back(controlId);
                         });
        return control;
    }
    std::vector<int> notified;
};

TEST_F(RadioGroup, CheckingARadioUnchecksTheOthersOfItsGroupOnly) {
    CHwBtn_ChkRadio* a = Add(1, CHwBtn_ChkRadio::kKindRadio, true);
    CHwBtn_ChkRadio* box = Add(2, CHwBtn_ChkRadio::kKindCheckBox, false);
    CHwBtn_ChkRadio* b = Add(3, CHwBtn_ChkRadio::kKindRadio, false);
    CHwBtn_ChkRadio* other = Add(4, CHwBtn_ChkRadio::kKindRadio, true);
    ShowWindow();
    EXPECT_EQ(a->GetCheck(), 0);

    other->SetCheck(1);
    box->SetCheck(1);
    a->SetCheck(1);  // set by the page: the others are told, a itself is not
    EXPECT_EQ(notified, (std::vector<int>{3}));
    notified.clear();

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b->GetCheck(), 1);
    EXPECT_EQ(a->GetCheck(), 0);
    EXPECT_EQ(box->GetCheck(), 1);    // a check box ignores the group
    EXPECT_EQ(other->GetCheck(), 1);  // another group
    EXPECT_EQ(notified, (std::vector<int>{1, 3}));
    EXPECT_EQ(b->GetStateIndex(), 2);

    // Arrow keys move through the group, wrapping, and check where they land.
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Down);
    EXPECT_TRUE(a->hasFocus());
    EXPECT_EQ(a->GetCheck(), 1);
    EXPECT_EQ(b->GetCheck(), 0);
}

TEST_F(RadioGroup, SpaceAndClicksToggleACheckBox) {
    CHwBtn_ChkRadio* box = Add(1, CHwBtn_ChkRadio::kKindCheckBox, true);
    ShowWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(notified, (std::vector<int>{1, 1}));
    box->setEnabled(false);
    EXPECT_EQ(box->GetStateIndex(), 4);
}

}  // namespace
