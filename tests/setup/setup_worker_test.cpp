// The hand-over between the worker thread and the object's owner thread.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "recording_control_object.h"
#include "setup_tasks.h"
#include "setup_worker.h"

namespace {

class SetupWorkerTest : public ::testing::Test {
protected:
    // Runs the owner's event loop until Finished arrives or two seconds pass.
    bool WaitForFinished(SetupWorker& worker) {
        QEventLoop loop;
        QObject::connect(&worker, &SetupWorker::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(2000, &loop, [&] { loop.exit(1); });
        return loop.exec() == 0;
    }

    int argc_ = 1;
    char name_[16] = "setup_worker";
    char* argv_[1] = {name_};
    QCoreApplication app_{argc_, argv_};
    RecordingControlObject router;
    SettingsRecords records;
};

TEST_F(SetupWorkerTest, DeliversTheResultOnTheOwnersThreadThroughItsEventLoop) {
    router.Script("DetectWanMode", {-1, 3});
    SetupWorker worker(TASK_AUTO, &router, records, router.Pauses());
    QThread* finishedOn = nullptr;
    int delivered = 0;
    QObject::connect(&worker, &SetupWorker::Finished, [&](int result) {
        finishedOn = QThread::currentThread();
        delivered = result;
    });

    ASSERT_TRUE(worker.Start());
    EXPECT_FALSE(worker.Start());
    // However fast the script, the owner hears of it only from its event loop.
    while (!worker.IsDone()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(finishedOn, nullptr);

    ASSERT_TRUE(WaitForFinished(worker));
    EXPECT_EQ(finishedOn, QThread::currentThread());
    EXPECT_EQ(delivered, 3);
    EXPECT_EQ(worker.Result(), 3);
    EXPECT_THAT(router.Log(),
                ::testing::ElementsAre("pause 500", "DetectWanMode", "pause 1000", "DetectWanMode"));
}

TEST_F(SetupWorkerTest, UnknownTaskAndMissingControlObjectStillFinish) {
    SetupWorker unknown(6, &router, records, router.Pauses());
    ASSERT_TRUE(unknown.Start());
    ASSERT_TRUE(WaitForFinished(unknown));

    SetupWorker withoutObject(TASK_SAVE, nullptr, records, router.Pauses());
    ASSERT_TRUE(withoutObject.Start());
    ASSERT_TRUE(WaitForFinished(withoutObject));
    EXPECT_EQ(withoutObject.Result(), kNoControlObjectResult);
    EXPECT_TRUE(router.Log().empty());
}

TEST_F(SetupWorkerTest, DestroyingTheOwnerWhileTheScriptRunsWaitsForItAndDropsTheResult) {
    std::atomic<bool> scriptStarted = false;
    auto slowPause = [&](std::chrono::milliseconds length) {
        scriptStarted = true;
        router.Record("pause " + std::to_string(length.count()));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    };
    bool delivered = false;
    {
        QObject owner;
        auto* worker = new SetupWorker(TASK_REBOOT, &router, records, slowPause, &owner);
        QObject::connect(worker, &SetupWorker::Finished, [&] { delivered = true; });
        ASSERT_TRUE(worker->Start());
        while (!scriptStarted) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }  // the owner deletes the worker here, mid-script
    EXPECT_EQ(router.Log().back(), "GetWanStatus");

    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(delivered);
}

TEST(StageTextKeyTest, NamesTheLanguageKeyOfEachTask) {
    EXPECT_EQ(StageTextKey(TASK_LINK), u"prg_link");
    EXPECT_EQ(StageTextKey(TASK_AUTO), u"prg_auto");
    EXPECT_EQ(StageTextKey(TASK_CHECK), u"prg_check");
    EXPECT_EQ(StageTextKey(TASK_SAVE), u"prg_save");
    EXPECT_EQ(StageTextKey(TASK_REBOOT), u"prg_reboot");
    EXPECT_EQ(StageTextKey(TASK_RESTORE), u"prg_restore");
    EXPECT_TRUE(StageTextKey(0).isEmpty());
    EXPECT_TRUE(StageTextKey(7).isEmpty());
}

}  // namespace
