// The progress window a set-up task runs behind, and the link-error window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "hw_button_kinds.h"
#include "hw_static.h"
#include "link_error_dlg.h"
#include "modal_watch.h"
#include "progress_dlg.h"
#include "recording_control_object.h"
#include "setup_tasks.h"
#include "setup_worker.h"
#include "test_host.h"
#include "widget_test_app.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// A pause that holds the script until the test opens the gate (or five
// seconds pass, so a failing test cannot leave a worker blocked for ever).
class PauseGate {
public:
    PauseFunction Pause() {
        return [this](std::chrono::milliseconds) {
            std::unique_lock lock(mutex_);
            opened_.wait_for(lock, std::chrono::seconds(5), [this] { return open_; });
        };
    }
    void Open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

class ProbeProgressDlg : public CProgressDlg {
public:
    using CProgressDlg::CProgressDlg;
    using CProgressDlg::OnTimer;
};

void NoPause(std::chrono::milliseconds) {}

// Ends a window that is still open after three seconds, failing the test,
// rather than leaving the run hanging in its modal loop.
void FailIfLeftOpen(CDialogBase& dialog) {
    QTimer::singleShot(3000, &dialog, [&dialog] {
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the window was left open";
            dialog.EndDialog(-2);
        }
    });
}

class ProgressWindowTest : public ::testing::Test {
protected:
    explicit ProgressWindowTest(int languageId = 1033) : host(languageId) {
        WidgetTestApp();
        host.App().controlObject = &router;
    }
    ~ProgressWindowTest() override { host.App().controlObject = nullptr; }

    CQelvaneApp& app() { return host.App(); }

    // Waits, without running the event loop, until the worker has ended.
    static void WaitUntilDone(const CProgressDlg& dialog) {
        for (int i = 0; i < 2000 && !dialog.IsDone(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(dialog.IsDone());
    }

    TestHost host;
    RecordingControlObject router;
    PauseGate gate;
};

class ChineseProgressWindowTest : public ProgressWindowTest {
protected:
    ChineseProgressWindowTest() : ProgressWindowTest(2052) {}
};

TEST_F(ProgressWindowTest, RunsTheTaskAndClosesByItselfWithTheWorkersResult) {
    router.Script("PollWanLink", {0, 0, 1});
    EXPECT_EQ(RunTask(TASK_CHECK, app(), NoPause), 1);
    router.Script("DetectWanMode", {-1, -1});
    EXPECT_EQ(RunTask(TASK_AUTO, app(), NoPause), -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

void ExpectStageTexts(CQelvaneApp& app, const std::vector<QString>& expected) {
    for (int task = 0; task <= TASK_REBOOT; ++task) {
        CProgressDlg dialog(task, app, NoPause);
        dialog.SetCommandRunner([](const std::string&) { return std::string(); });
        ASSERT_TRUE(dialog.Create());
        auto* label = dialog.Item<CHwStatic>(1173);
        EXPECT_EQ(label->text(), expected[task]) << "task " << task;
        EXPECT_TRUE(label->font().italic());
    }
}

TEST_F(ProgressWindowTest, ShowsTheStageTextOfItsTaskInEnglish) {
    ExpectStageTexts(app(), {QString(), "Connecting to the router, please wait...",
                             "Detecting your Internet connection type, please wait...",
                             "Checking your account with your provider, please wait...",
                             "Saving your settings to the router, please wait...",
                             "Restarting the router with the new settings, please wait..."});
}

TEST_F(ChineseProgressWindowTest, ShowsTheStageTextOfItsTaskInChinese) {
    ExpectStageTexts(app(), {QString(), "正在连接路由器，请稍候……", "正在检测上网方式，请稍候……",
                             "正在验证宽带帐号，请稍候……", "正在保存设置到路由器，请稍候……",
                             "正在重启路由器以应用新设置，请稍候……"});
}

TEST_F(ProgressWindowTest, NeitherKeysNorTheCloseBoxEndTheWindowWhileTheTaskRuns) {
    router.Script("DetectWanMode", {3});
    CProgressDlg dialog(TASK_AUTO, app(), gate.Pause());
    bool stayedOpen = false;
    WhenModalShows([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        QTest::keyClick(modal, Qt::Key_Return);
        const bool closed = modal->close();
        stayedOpen = !closed && modal->isVisible() && dialog.IsAnimating();
        gate.Open();
    });
    FailIfLeftOpen(dialog);
    dialog.DoModal();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.result, 3);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.IsAnimating());
}

TEST_F(ProgressWindowTest, AWorkerReportArrivingBeforeOrDuringTheModalLoopStillClosesIt) {
    // A worker that could not start reports kWorkerNotStartedResult; the real
    // worker below is held until after the window has closed.
    CProgressDlg early(TASK_AUTO, app(), gate.Pause());
    ASSERT_TRUE(early.Create());
    early.FinishTask(kWorkerNotStartedResult);
    FailIfLeftOpen(early);
    early.DoModal();
    EXPECT_EQ(early.result, kWorkerNotStartedResult);

    CProgressDlg during(TASK_AUTO, app(), gate.Pause());
    WhenModalShows([&](QWidget*) { during.FinishTask(kWorkerNotStartedResult); });
    FailIfLeftOpen(during);
    during.DoModal();
    EXPECT_EQ(during.result, kWorkerNotStartedResult);
    EXPECT_FALSE(during.isVisible());
    // The late report of the real worker changes nothing.
    gate.Open();
    WaitUntilDone(during);
    QApplication::processEvents();
    EXPECT_EQ(during.result, kWorkerNotStartedResult);
}

TEST_F(ProgressWindowTest, TakesTheFirstFrameSizeWithRoundCornersAndCyclesTheFrames) {
    ProbeProgressDlg dialog(TASK_AUTO, app(), gate.Pause());
    ASSERT_TRUE(dialog.Create());
    const QImage first = QImage(QStringLiteral(QELVANE_TEST_BIN_DIR "/Skin/progress1.png"))
                             .convertToFormat(QImage::Format_RGB32);
    // The frame from (5, 5) on, drawn 1:1: the window is that much smaller.
    const QSize size = first.size() - QSize(5, 5);
    EXPECT_EQ(dialog.size(), size);
    const QRegion outline = dialog.mask();
    const int right = size.width() - 2;
    const int bottom = size.height() - 2;
    EXPECT_FALSE(outline.contains(QPoint(1, 1)));
    EXPECT_FALSE(outline.contains(QPoint(right, bottom)));
    EXPECT_TRUE(outline.contains(QPoint(size.width() / 2, 1)));
    EXPECT_TRUE(outline.contains(QPoint(right, size.height() / 2)));
    EXPECT_TRUE(dialog.IsAnimating());
    EXPECT_EQ(dialog.CurrentFrame(), 1);

    const QImage before = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(before.size(), size);
    // The spinner's dots and the track keep their pixels (no resampling),
    // and a dark edge runs round a face that is nearly white.
    for (const QPoint at : {QPoint(47, 39), QPoint(150, 84), QPoint(300, 83), QPoint(200, 110)}) {
        EXPECT_EQ(before.pixel(at), first.pixel(at + QPoint(5, 5))) << at.x() << "," << at.y();
    }
    for (const QPoint edge : {QPoint(0, size.height() / 2), QPoint(size.width() / 2, size.height() - 1),
                              QPoint(size.width() - 1, size.height() / 2)}) {
        EXPECT_LT(qGray(before.pixel(edge)), 140) << edge.x() << "," << edge.y();
    }
    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        dialog.OnTimer();
        frames.push_back(dialog.CurrentFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 5, 1, 2}));
    EXPECT_NE(dialog.grab().toImage(), before);
    gate.Open();
}

TEST_F(ProgressWindowTest, SafetyTickEndsADoneTaskThatWasNotClosedAsOkOrCancel) {
    ProbeProgressDlg running(TASK_AUTO, app(), gate.Pause());
    ASSERT_TRUE(running.Create());
    running.tick = kProgressSafetyTick;
    running.OnTimer();
    EXPECT_TRUE(running.IsAnimating()) << "a task still running is never ended";
    gate.Open();
    WaitUntilDone(running);

    for (const int detected : {2, 0}) {
        router.Script("DetectWanMode", {detected});
        ProbeProgressDlg dialog(TASK_AUTO, app(), NoPause);
        ASSERT_TRUE(dialog.Create());
        WaitUntilDone(dialog);
        dialog.tick = kProgressSafetyTick - 2;
        dialog.OnTimer();
        EXPECT_TRUE(dialog.IsAnimating());
        dialog.OnTimer();
        EXPECT_FALSE(dialog.IsAnimating());
        EXPECT_EQ(dialog.result, detected);
        EXPECT_EQ(dialog.QDialog::result(), detected != 0 ? kIdOk : kIdCancel);
    }
}

// The first pixel, inside the window and away from the button, where the two
// pictures differ.
QPoint FirstDifference(const QImage& a, const QImage& b, const QRegion& inside, const QRect& away) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QPoint point(x, y);
            if (inside.contains(point) && !away.contains(point) && a.pixel(point) != b.pixel(point)) {
                return point;
            }
        }
    }
    return QPoint(-1, -1);
}

void ExpectLinkErrorWindow(CQelvaneApp& app, const QString& language, const QString& retryText) {
    CLookInfo dialog(app);
    ASSERT_TRUE(dialog.Create());
    auto* retry = dialog.Item<CHwBtn_Pic>(1105);
    EXPECT_EQ(retry->text(), retryText);

    const auto picture = [](const QString& folder) {
        return QImage(QStringLiteral(QELVANE_TEST_BIN_DIR "/Skin/%1/link_error.bmp").arg(folder))
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage shown = picture(language);
    const QImage other =
        picture(language == QLatin1String("en") ? QStringLiteral("cn") : QStringLiteral("en"));
    const QPoint point = FirstDifference(shown, other, dialog.WindowRegion(), retry->geometry());
    ASSERT_NE(point, QPoint(-1, -1));
    EXPECT_EQ(dialog.grab().toImage().pixel(point), shown.pixel(point));

    int escapeAndEnterLeft = -1;
    WhenModalShows([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        QTest::keyClick(modal, Qt::Key_Return);
        escapeAndEnterLeft = modal->isVisible() && modal->focusWidget() == retry;
        QTest::keyClick(retry, Qt::Key_Space);
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(escapeAndEnterLeft, 1) << "Escape or Enter closed it, or Retry had no focus";

    WhenModalShows([&](QWidget*) { QTest::keyClick(retry, Qt::Key_Return); });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
}

TEST_F(ProgressWindowTest, LinkErrorWindowShowsTheEnglishPictureAndLeavesOnlyByRetry) {
    ExpectLinkErrorWindow(app(), QStringLiteral("en"), QStringLiteral("Retry"));
}

TEST_F(ChineseProgressWindowTest, LinkErrorWindowShowsTheChinesePicture) {
    ExpectLinkErrorWindow(app(), QStringLiteral("cn"), QStringLiteral("重试"));
}

}  // namespace
