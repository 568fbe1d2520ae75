// One whole set-up with the program's real pauses, each task on its worker
// thread and handed back through the event loop, as the progress window runs
// them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include "real_router.h"
#include "setup_tasks.h"
#include "setup_worker.h"

namespace {

using namespace std::chrono_literals;

class RealPausesE2eTest : public RealRouterTest {
protected:
    int RunOnWorker(int task) {
        SetupWorker worker(task, router(), records);
        worker.SetCommandRunner([](const std::string&) { return std::string(); });
        QEventLoop loop;
        QObject::connect(&worker, &SetupWorker::Finished, &loop, &QEventLoop::quit);
        EXPECT_TRUE(worker.Start());
        loop.exec();
        EXPECT_TRUE(worker.IsDone());
        return worker.Result();
    }

    int argc_ = 1;
    char name_[24] = "setup_real_pauses";
    char* argv_[1] = {name_};
    QCoreApplication app_{argc_, argv_};
};

TEST_F(RealPausesE2eTest, PppoeSetUpFromLinkToRestart) {
    // The router's own timings: the link needs a moment, a restart some seconds.
    StartRouter(SimOptions('3', 1000ms, 3000ms));
    QElapsedTimer clock;
    clock.start();

    ASSERT_EQ(RunOnWorker(TASK_LINK), 1);
    ASSERT_EQ(RunOnWorker(TASK_AUTO), 3);
    records.routerInfo.wanType = 3;
    records.pppoeParams = {kIspUser, kIspPassword, ""};
    EXPECT_EQ(RunOnWorker(TASK_CHECK), 1);
    records.wirelessParams = {"slow-net", 0, 1, true};
    records.securityParams.mode = 2;
    records.securityParams.passphrase = "slowpassphrase";
    records.securityParams.keyRenewalInterval = 3600;
    EXPECT_EQ(RunOnWorker(TASK_SAVE), 1);
    RunOnWorker(TASK_REBOOT);

    // 5.5 + 0.5 + at least 3.5 + 31 + 2 + 30.5 seconds of pauses.
    EXPECT_GE(clock.elapsed(), 73'000);
    const routersim::RouterState state = sim().state();
    EXPECT_EQ(state.wanType, routersim::kWanPppoe);
    EXPECT_EQ(state.pppoe.user, kIspUser);
    EXPECT_EQ(state.wireless.ssid, "slow-net");
    EXPECT_EQ(state.security.mode, "WPAPSK");
    EXPECT_EQ(state.restartCount, 1);
    EXPECT_EQ(records.wanStatus.connectionType, "PPPoE");
    EXPECT_EQ(records.wanStatus.wanIp, state.wanIp);
    EXPECT_FALSE(records.wanStatus.wanIp.empty());
}

}  // namespace
