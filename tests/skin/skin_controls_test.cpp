// Skinned labels, entry fields and pictures, and the skins pages give them.
#include "edit_colours.h"
#include "edit_frame.h"
#include "hw_display_pic.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "page_skins.h"
#include "settings_file.h"
#include "widget_test_app.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr ColorRef kBlue = 0xFF0000u;
constexpr ColorRef kRed = 0x0000FFu;
constexpr ColorRef kWhite = 0xFFFFFFu;

EditState FocusedState() {
    EditState state;
    state.focusHighlight = true;
    state.textColour = 0x111111;
    state.backgroundColour = 0x222222;
    state.focusTextColour = 0x333333;
    state.focusBkColour = 0x444444;
    return state;
}

void GiveFocus(QWidget* widget) {
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusIn);
}

// A program directory whose setting.ini holds the [Font] lines given.
class SettingsDir {
public:
    explicit SettingsDir(const QByteArray& fontLines) {
        QFile file(dir_.path() + QStringLiteral("/setting.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Font]\r\n" + fontLines);
    }
    CSettingsFile Settings() const { return CSettingsFile(dir_.path() + u'/'); }

private:
    QTemporaryDir dir_;
};

// What is on screen: the window's flushed backing store, where stale text
// would show (a fresh grab() would repaint everything).
QImage OnScreen(QWidget* window) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

int CountPixelsOf(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A window filled with one colour, to see what a control leaves unpainted.
void MakeBackdrop(QWidget& window, QColor colour, QSize size) {
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setPalette(palette);
    window.resize(size);
}

class SkinControls : public ::testing::Test {
protected:
    void SetUp() override { WidgetTestApp(); }
};

}  // namespace

TEST(EditColours, ReadOnlyOrDisabledNeverShowsFocusColours) {
    for (const bool readOnly : {true, false}) {
        EditState state = FocusedState();
        state.readOnly = readOnly;
        state.enabled = readOnly;  // one of the two each time
        const EditColours colours = ComputeEditColours(state);
        EXPECT_TRUE(colours.disabledLook);
        EXPECT_EQ(colours.background, kEditReadOnlyBkColour);
        EXPECT_EQ(colours.text, 0x111111u);
        EXPECT_EQ(colours.innerFrame, kEditReadOnlyBkColour);
        EXPECT_EQ(colours.outerFrame, kEditDisabledFrameColour);
    }
}

TEST(EditColours, FocusSwitchesBetweenFocusAndBlockColours) {
    EditState state = FocusedState();
    const EditColours focused = ComputeEditColours(state);
    EXPECT_EQ(focused.text, 0x333333u);
    EXPECT_EQ(focused.background, 0x444444u);
    EXPECT_EQ(focused.outerFrame, kEditFrameColour);

    state.focusHighlight = false;
    const EditColours unfocused = ComputeEditColours(state);
    EXPECT_EQ(unfocused.text, 0x111111u);
    EXPECT_EQ(unfocused.background, 0x222222u);
    EXPECT_EQ(unfocused.innerFrame, 0x222222u);
}

TEST_F(SkinControls, CrossedSettingKeysColourTheFocusedField) {
    // "EditFontColor" is the focused background, "EditBkColor" its text.
    SettingsDir dir("EditFontColor=0,0,255\r\nEditBkColor=255,0,0\r\n");
    QWidget window;
    window.resize(200, 40);
    auto* edit = new CHwEdit(&window);
    edit->setGeometry(10, 10, 120, 22);
    ApplyEditSkin(edit, dir.Settings());
    EXPECT_TRUE(edit->HasBorder());
    EXPECT_EQ(edit->TextColor(), 0x000000u);

    GiveFocus(edit);
    ASSERT_TRUE(edit->HasFocusHighlight());
    EXPECT_EQ(edit->CurrentColours().background, kBlue);
    EXPECT_EQ(edit->CurrentColours().text, kRed);
    const QImage face = edit->grab().toImage();
    EXPECT_EQ(face.pixelColor(edit->width() / 2, kEditFrameWidth), QColor(0, 0, 255));
    EXPECT_EQ(face.pixelColor(edit->width() / 2, 0), ToQColor(kEditFrameColour));

    // A read-only field keeps its own look even with the focus.
    edit->setReadOnly(true);
    EXPECT_EQ(edit->CurrentColours().background, kEditReadOnlyBkColour);
    EXPECT_EQ(edit->grab().toImage().pixelColor(edit->width() / 2, 0), ToQColor(kEditDisabledFrameColour));
}

TEST_F(SkinControls, UnparsableFocusColourFallsBackToWhite) {
    SettingsDir dir("EditFontColor=0,0\r\n");
    CHwEdit edit;
    edit.SetFocusBkColor(0x123456);
    ApplyEditSkin(&edit, dir.Settings());
    EXPECT_EQ(edit.FocusBkColor(), kWhite);
    EXPECT_EQ(edit.FocusTextColor(), 0x000000u);
}

TEST_F(SkinControls, ControlASelectsEverythingAndTypedCharactersPass) {
    QWidget window;
    auto* edit = new CHwEdit(&window);
    QTest::keyClicks(edit, QStringLiteral("a-b_9 !%"));
    EXPECT_EQ(edit->text(), QStringLiteral("a-b_9 !%"));
    edit->setCursorPosition(2);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
    QApplication::sendEvent(edit, &press);
    EXPECT_TRUE(press.isAccepted());
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(edit->text(), QStringLiteral("a-b_9 !%"));
}

TEST_F(SkinControls, LabelPaintsItsBlockColoursOrLetsTheParentShow) {
    QWidget window;
    MakeBackdrop(window, Qt::green, QSize(200, 60));
    auto* label = new CHwStatic(&window);
    label->setGeometry(0, 0, 200, 30);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(label->IsTransparent());

    label->SetTransparent(false);
    label->SetBkColor(kRed);
    EXPECT_EQ(window.grab().toImage().pixelColor(1, 1), QColor(Qt::red));
    label->SetTransparent(true);
    EXPECT_EQ(window.grab().toImage().pixelColor(1, 1), QColor(Qt::green));
}

TEST_F(SkinControls, NewTextOnATransparentLabelLeavesNoTraceOfTheOld) {
    QWidget window;
    MakeBackdrop(window, Qt::white, QSize(300, 60));
    auto* label = new CHwStatic(&window);
    label->setGeometry(0, 0, 300, 40);
    label->SetTextFont(20, QStringLiteral("Sans"), true, false, false, 0);
    label->SetTextColor(0x000000);
    label->setText(QStringLiteral("WWWWWWWWWWWW"));
    const QRect rightPart(150, 0, 150, 40);
    ASSERT_GT(CountPixelsOf(OnScreen(&window), rightPart, Qt::black), 0);

    label->setText(QStringLiteral("i"));
    EXPECT_EQ(CountPixelsOf(OnScreen(&window), rightPart, Qt::black), 0);
}

TEST_F(SkinControls, PictureIsSqueezedWhenLargerAndTopLeftWhenSmaller) {
    QTemporaryDir dir;
    const auto writePicture = [&](const QString& name, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString path = dir.path() + u'/' + name;
        EXPECT_TRUE(picture.save(path));
        return path;
    };
    QWidget window;
    MakeBackdrop(window, Qt::green, QSize(200, 200));
    auto* picture = new CHwDisplayPic(&window);
    picture->setGeometry(0, 0, 150, 150);

    ASSERT_EQ(picture->LoadPicture(writePicture(QStringLiteral("wide.bmp"), QSize(200, 100))), 1);
    QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(149, 99), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(150, 50), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(75, 100), QColor(Qt::green));

    ASSERT_EQ(picture->LoadPicture(writePicture(QStringLiteral("small.png"), QSize(20, 10))), 1);
    shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(19, 9), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(20, 0), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(0, 10), QColor(Qt::green));

    EXPECT_EQ(picture->LoadPicture(dir.path() + QStringLiteral("\\missing.bmp")), 0);
    EXPECT_EQ(window.grab().toImage().pixelColor(0, 0), QColor(Qt::green));
}
