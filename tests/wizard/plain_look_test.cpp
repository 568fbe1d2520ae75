// A copy of the program without its Skin folder: the controls and windows
// that would have worn the skin draw plainly and still work.
#include "hw_button_kinds.h"
#include "message_box.h"
#include "modal_watch.h"
#include "page_test_helpers.h"
#include "program_dir.h"
#include "test_host.h"
#include "wireless_page.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kIdBroadcast = 1113;

// The skin functions read Skin/ beside the running program; for this test
// that is the test program's own directory.
bool ProgramHasNoSkin() {
    return !QFileInfo::exists(GetModuleDir() + QStringLiteral("Skin"));
}

bool HasSeveralColours(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST(NoSkinFolder, TheBroadcastCheckBoxKeepsItsSizeShowsItsStateAndToggles) {
    ASSERT_TRUE(ProgramHasNoSkin()) << "the test needs a program directory without Skin/";
    QTemporaryDir programDir;
    ASSERT_TRUE(programDir.isValid());
    TestHost host(1033, programDir.path() + u'/');
    auto page = page_test::OpenPage<CWirelessSettingDlg>(host);
    auto* box = page->Item<CHwBtn_ChkRadio>(kIdBroadcast);
    ASSERT_NE(box, nullptr);
    // Let every queued layout pass run: none may shrink the box.
    QTest::qWait(50);
    EXPECT_TRUE(box->isVisible());
    EXPECT_GE(box->width(), 16);
    EXPECT_GE(box->height(), 16);

    ASSERT_EQ(box->GetCheck(), 1);  // broadcast is on by default
    const QImage checked = box->grab().toImage();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->GetCheck(), 0);
    const QImage unchecked = box->grab().toImage();
    // The indicator is drawn and shows the state.
    EXPECT_NE(checked, unchecked);
    EXPECT_TRUE(HasSeveralColours(unchecked));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 1);
}

TEST(NoSkinFolder, TheMessageBoxHasAnEdgeAroundAPlainFace) {
    ASSERT_TRUE(ProgramHasNoSkin()) << "the test needs a program directory without Skin/";
    QImage face;
    WhenModalShows([&face](QWidget* modal) {
        face = modal->grab().toImage();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_EQ(ShowMessageBox(GetModuleDir(), kMessageWarning, u"Title"_qs, u"Text"_qs), kResultOk);
    ASSERT_FALSE(face.isNull());
    const QRgb edge = QApplication::palette().color(QPalette::Shadow).rgb();
    const QRgb plain = QApplication::palette().color(QPalette::Window).rgb();
    ASSERT_NE(edge, plain);
    const int right = face.width() - 1;
    const int bottom = face.height() - 1;
    for (const QPoint at : {QPoint(0, 0), QPoint(right / 2, 0), QPoint(right, bottom / 2),
                            QPoint(right / 2, bottom), QPoint(0, bottom)}) {
        EXPECT_EQ(face.pixel(at), edge) << at.x() << "," << at.y();
    }
    EXPECT_EQ(face.pixel(1, 1), plain);
    EXPECT_EQ(face.pixel(right - 1, bottom - 1), plain);
}
