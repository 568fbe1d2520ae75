// Dialogs shaped by their background bitmap, and dialogs faced with a picture.
#include "dialog_units.h"
#include "hw_static.h"
#include "image_dialog.h"
#include "polygon_dialog.h"
#include "skin_images.h"
#include "widget_test_app.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kShapedTemplateId = 9101;
constexpr int kButtonId = 1001;
constexpr ControlTemplate kShapedControls[] = {
    {kButtonId, ControlKind::Button, u"Go", 50, 20, 24, 12},
};
constexpr DialogTemplate kShapedTemplate{kShapedTemplateId, 80, 40, false, kShapedControls};
constexpr DialogTemplate kPlainTemplate{kShapedTemplateId + 1, 80, 40, false, {}};

const QSize kClientSize = DialogUnitsToPixels(80, 40);
const QColor kFace(200, 0, 200);

class ShapedDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        WidgetTestApp();
        RegisterDialogTemplate(kShapedTemplate);
        RegisterDialogTemplate(kPlainTemplate);
        ClearSkinImageCache();
    }

    // A face of the dialog's size with 10 × 10 yellow corners, written with
    // backslashes the way the wizard names skin files.
    QString WriteFace() {
        QImage face(kClientSize, QImage::Format_RGB888);
        face.fill(kFace);
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(kClientSize.width() - 10, kClientSize.height() - 10)}) {
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) face.setPixelColor(corner + QPoint(x, y), QColor(255, 255, 0));
            }
        }
        EXPECT_TRUE(face.save(dir_.path() + QStringLiteral("/face.bmp")));
        return dir_.path() + QStringLiteral("\\face.bmp");
    }

    QTemporaryDir dir_;
};

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, keys);
    QApplication::sendEvent(target, &event);
}

QImage WithFace(int width, int height, QColor margin, QColor inside) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(inside);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x < 5 || y < 5) image.setPixelColor(x, y, margin);
        }
    }
    return image;
}

}  // namespace

TEST_F(ShapedDialogs, YellowPixelsFallOutsideAndTheBitmapIsTheFace) {
    CPolygonDialog dialog(kShapedTemplateId);
    EXPECT_EQ(dialog.SetBackground(WriteFace(), kSkinKeyColour), 1);
    ASSERT_TRUE(dialog.Create());

    EXPECT_EQ(dialog.GetBackgroundRect(), QRect(QPoint(0, 0), kClientSize));
    const QRegion mask = dialog.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(9, 9)));
    EXPECT_FALSE(mask.contains(QPoint(kClientSize.width() - 1, kClientSize.height() - 1)));
    EXPECT_TRUE(mask.contains(QPoint(10, 0)));
    EXPECT_TRUE(mask.contains(QPoint(kClientSize.width() - 1, 0)));

    EXPECT_EQ(dialog.grab().toImage().pixelColor(20, 20), kFace);
}

TEST_F(ShapedDialogs, LeftButtonDragsTheWindowOtherButtonsDoNot) {
    CPolygonDialog dialog(kShapedTemplateId);
    dialog.SetBackground(WriteFace(), kSkinKeyColour);
    ASSERT_TRUE(dialog.Create());
    dialog.move(100, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    const QPoint grip(20, 20);

    SendMouse(&dialog, QEvent::MouseButtonPress, grip, Qt::RightButton, Qt::RightButton);
    SendMouse(&dialog, QEvent::MouseMove, grip + QPoint(30, 10), Qt::NoButton, Qt::RightButton);
    // Both buttons held: not a drag either.
    SendMouse(&dialog, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    SendMouse(&dialog, QEvent::MouseMove, grip + QPoint(30, 10), Qt::NoButton,
              Qt::LeftButton | Qt::RightButton);
    SendMouse(&dialog, QEvent::MouseButtonRelease, grip, Qt::RightButton, Qt::LeftButton);
    SendMouse(&dialog, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
    // Shift or Ctrl held with the left button: not a drag.
    for (Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::ControlModifier}) {
        SendMouse(&dialog, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton, key);
        SendMouse(&dialog, QEvent::MouseMove, grip + QPoint(30, 10), Qt::NoButton, Qt::LeftButton, key);
        SendMouse(&dialog, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton, key);
    }
    QApplication::processEvents();
    EXPECT_EQ(dialog.pos(), start);

    SendMouse(&dialog, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    SendMouse(&dialog, QEvent::MouseMove, grip + QPoint(30, 10), Qt::NoButton, Qt::LeftButton);
    SendMouse(&dialog, QEvent::MouseButtonRelease, grip + QPoint(30, 10), Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 10));
}

TEST_F(ShapedDialogs, MissingBitmapLeavesAWorkingRectangularDialog) {
    CPolygonDialog dialog(kShapedTemplateId);
    dialog.SetBackground(dir_.path() + QStringLiteral("\\missing.bmp"), kSkinKeyColour);
    ASSERT_TRUE(dialog.Create());
    EXPECT_TRUE(dialog.mask().isEmpty());
    EXPECT_EQ(dialog.GetBackgroundRect().size(), QSize(0, 0));

    auto* button = qobject_cast<QAbstractButton*>(dialog.GetDlgItem(kButtonId));
    ASSERT_NE(button, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ShapedDialogs, ImageFaceIsCroppedPastItsMarginOrStretched) {
    CImageDialog dialog(kPlainTemplate.id);
    ASSERT_TRUE(dialog.Create());
    const int right = kClientSize.width() - 1;
    const int bottom = kClientSize.height() - 1;

    // Larger: 1:1 from (5, 5); whatever lies past the client size is cut.
    QImage large = WithFace(300, 200, Qt::red, Qt::green);
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 5 + kClientSize.width(); x < large.width(); ++x) large.setPixelColor(x, y, Qt::blue);
    }
    dialog.SetBackgroundImage(&large);
    QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(right, bottom), QColor(Qt::green));

    // Smaller: what follows the margin fills the whole client area.
    const QImage small = WithFace(40, 30, Qt::red, Qt::blue);
    dialog.SetBackgroundImage(&small);
    shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(right, bottom), QColor(Qt::blue));
}

TEST_F(ShapedDialogs, ImageDialogRegionAndSeeThroughLabels) {
    CImageDialog dialog(kPlainTemplate.id);
    ASSERT_TRUE(dialog.Create());
    const QImage face = WithFace(300, 200, Qt::green, Qt::green);

    dialog.setMask(QRegion(0, 0, 10, 10));
    dialog.SetBackgroundImage(&face);
    EXPECT_TRUE(dialog.mask().isEmpty());
    dialog.SetKeepRegion(true);
    dialog.setMask(QRegion(0, 0, 10, 10));
    dialog.SetBackgroundImage(&face);
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 10, 10));
    dialog.clearMask();

    auto* label = new CHwStatic(&dialog);
    label->setGeometry(0, 0, 40, 20);
    label->SetTransparent(false);
    label->SetBkColor(0x0000FF);
    EXPECT_EQ(dialog.grab().toImage().pixelColor(2, 2), QColor(Qt::green));
    dialog.SetTransparentStatics(false);
    EXPECT_EQ(dialog.grab().toImage().pixelColor(2, 2), QColor(Qt::red));
}
