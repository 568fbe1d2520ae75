// The result page reading the router's WAN status through the real library
// (bound from the bin dir like the program binds it) against the simulated
// router: the order of the calls, polling until an address is reported, a
// router that is not there, and a page that goes away in the middle of a read.
#include "format_string.h"
#include "no_address_causes.h"
#include "page_test_helpers.h"
#include "real_router.h"
#include "result_page.h"
#include "setup_tasks.h"
#include "status_refresher.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

#include "loopback_client.h"

using namespace page_test;
using namespace std::chrono_literals;

namespace {

constexpr int kRefreshButton = 1146;
constexpr int kResultLinkMode = 1196, kResultIp = 1197, kResultSsid = 1201, kResultNote = 1207;

// Forwards to the library (on the simulator's port) and notes the status
// calls, from whichever thread makes them.
class RecordingObject : public PortRedirectingObject {
public:
    using PortRedirectingObject::PortRedirectingObject;

    int ReadWanStatus(std::string a, int port, std::string u, std::string w) override {
        Note("read " + std::to_string(port));
        return PortRedirectingObject::ReadWanStatus(a, port, u, w);
    }
    void GetWanStatus(WanStatus& status) override {
        Note("get");
        PortRedirectingObject::GetWanStatus(status);
    }
    void Note(const std::string& call) {
        const std::lock_guard lock(mutex_);
        calls_.push_back(call);
    }
    std::vector<std::string> Calls() const {
        const std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

// A loopback port that refuses every connection: bound, never listening.
class RefusingPort {
public:
    RefusingPort() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~RefusingPort() { ::close(fd_); }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    uint16_t port() const { return port_; }

private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

class ResultPollingTest : public ::testing::Test {
protected:
    void SetUp() override { WidgetTestApp(); }

    void BindRouter(uint16_t port) {
        CQelvaneApp& app = host.App();
        ASSERT_EQ(app.BindLibrary(), LibraryLoadResult::Loaded);
        library_ = app.controlObject;
        router = std::make_unique<RecordingObject>(*library_, port);
        app.controlObject = router.get();
        // Never the router's real address: only the loopback.
        app.routerInfo = {"127.0.0.1", "admin", "kvmzt", 0, 0};
    }

    // A page with short periods whose pause is noted among the calls.
    std::unique_ptr<CResultDlg> MakePage(std::chrono::milliseconds pause,
                                         std::chrono::milliseconds pollPeriod) {
        auto page = std::make_unique<CResultDlg>(host);
        EXPECT_TRUE(page->Create());
        page->SetPollPeriod(pollPeriod);
        RecordingObject* calls = router.get();
        page->SetReadPause([calls, pause](std::chrono::milliseconds length) {
            calls->Note("pause " + std::to_string(length.count()));
            std::this_thread::sleep_for(pause);
        });
        return page;
    }

    void TearDown() override {
        CQelvaneApp& app = host.App();
        if (library_ != nullptr) {
            app.controlObject = library_;
            app.ReleaseLibrary();
        }
    }

    TestHost host;
    std::unique_ptr<RecordingObject> router;

private:
    CDLLObject* library_ = nullptr;
};

std::size_t Count(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), call));
}

// A read's pause that lasts until the test lets it end: how long a read
// takes is the test's to say, not the clock's.
class HeldReads {
public:
    void Hold() {
        std::unique_lock lock(mutex_);
        const int read = ++started_;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_ || released_ >= read; });
    }
    int Started() {
        const std::lock_guard lock(mutex_);
        return started_;
    }
    void ReleaseOne() {
        Change([this] { ++released_; });
    }
    void OpenForGood() {
        Change([this] { open_ = true; });
    }

private:
    template <typename Update>
    void Change(Update update) {
        {
            const std::lock_guard lock(mutex_);
            update();
        }
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    int released_ = 0;
    bool open_ = false;
};

}  // namespace

TEST_F(ResultPollingTest, PollsUntilTheRouterReportsAnAddressThenStops) {
    routersim::Options options;
    options.linkDelay = 300ms;
    ScopedRouterSim sim(options);
    ASSERT_TRUE(sim.ok());
    BindRouter(sim.port());
    host.App().wanStatus.extraText = "home";  // the wireless check's memory
    auto page = MakePage(5ms, 20ms);
    page->show();
    ASSERT_TRUE(page->IsPolling());

    // A few reads with the link down, then the link comes up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count(router->Calls(), "get") >= 2; }, 5000));
    EXPECT_TRUE(host.App().wanStatus.wanIp.empty());
    ASSERT_TRUE(loopback::postAndHangUp(sim.port(),
                                        loopback::libraryRequest("/goform/SysStatusHandle", "CMD=WAN_CON")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->IsPolling() && !page->IsReading(); }, 10000));

    const routersim::RouterState state = sim->state();
    ASSERT_FALSE(state.wanIp.empty());
    EXPECT_EQ(host.App().wanStatus.wanIp, state.wanIp);
    EXPECT_EQ(FieldText(*page, kResultIp), QString::fromStdString(state.wanIp));
    EXPECT_FALSE(FieldText(*page, kResultLinkMode).isEmpty());
    EXPECT_EQ(host.App().wanStatus.extraText, "home");
    EXPECT_EQ(FieldText(*page, kResultSsid), u"home"_qs);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Every read went to port 80 of the router, then the pause, then the get.
    const std::vector<std::string> calls = router->Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "read 80");
    EXPECT_EQ(calls[1], "pause 2000");
    EXPECT_EQ(calls[2], "get");
    EXPECT_EQ(Count(calls, "read 80"), Count(calls, "get"));

    // Stopped for good: nothing more goes out.
    const std::size_t requests = sim->requests().size();
    QTest::qWait(150);
    EXPECT_EQ(sim->requests().size(), requests);

    // Back and forth again restarts the polling.
    page->hide();
    EXPECT_TRUE(page->IsPolling());
}

TEST_F(ResultPollingTest, DeadRouterIsAskedTwicePerReadAndTheWindowStaysResponsive) {
    RefusingPort nobody;
    BindRouter(nobody.port());
    auto page = MakePage(300ms, 20ms);
    page->show();

    ASSERT_TRUE(QTest::qWaitFor([&] { return page->IsReading(); }, 2000));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // The GUI thread runs its events while the worker waits.
    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return timerRan; }, 1000));
    EXPECT_TRUE(page->IsReading());

    // A click on Refresh during the read starts no second one: nothing comes
    // between the first read's calls.
    QTest::mouseClick(page->GetDlgItem(kRefreshButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count(router->Calls(), "get") >= 2; }, 5000));
    const std::vector<std::string> calls = router->Calls();
    const std::vector<std::string> oneRead{"read 80", "read 80", "pause 2000", "get"};
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 4), oneRead);
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 4, calls.begin() + 8), oneRead);
    // Whatever the library hands back after failed reads: still no address.
    EXPECT_TRUE(host.App().wanStatus.wanIp.empty());
    EXPECT_TRUE(FieldText(*page, kResultIp).isEmpty());
    EXPECT_TRUE(page->IsPolling());
}

TEST_F(ResultPollingTest, PageDestroyedMidReadEndsTheReadWithoutTouchingTheRecords) {
    ScopedRouterSim sim;
    ASSERT_TRUE(sim.ok());
    BindRouter(sim.port());
    host.App().wanStatus.wanIp = "kept";
    // The program's own wait, cut short when the page goes.
    auto page = std::make_unique<CResultDlg>(host);
    ASSERT_TRUE(page->Create());
    page->RefreshResult();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count(router->Calls(), "read 80") == 1; }, 2000));
    page.reset();
    EXPECT_EQ(router->Calls(), std::vector<std::string>{"read 80"});
    QTest::qWait(50);  // a delivery left behind would run now
    EXPECT_EQ(host.App().wanStatus.wanIp, "kept");
}

TEST_F(ResultPollingTest, StoppedReadIsDroppedAndTheNextOneStillArrives) {
    ScopedRouterSim sim;
    ASSERT_TRUE(sim.ok());
    BindRouter(sim.port());
    auto page = MakePage(100ms, 1h);
    page->RefreshResult();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count(router->Calls(), "pause 2000") == 1; }, 2000));
    page->StopPolling();
    EXPECT_FALSE(page->IsReading());
    EXPECT_FALSE(page->IsPolling());

    host.App().wanStatus.connectionType = "stale";
    page->RefreshResult();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->IsReading(); }, 3000));
    EXPECT_EQ(Count(router->Calls(), "get"), 1u);
    EXPECT_NE(host.App().wanStatus.connectionType, "stale");
    EXPECT_EQ(FieldText(*page, kResultLinkMode), QString::fromStdString(host.App().wanStatus.connectionType));
}

// The poll timer is fired by hand and the reads end when the test says: a
// tick that falls during a read starts the next read as soon as that one
// ends, so a read that lasts a period still leaves one period between reads,
// not two. The wait cursor covers the whole program while reads run.
TEST_F(ResultPollingTest, ATickDuringAReadStartsTheNextOneAsSoonAsItEnds) {
    ScopedRouterSim sim;  // its link stays down: polling goes on
    ASSERT_TRUE(sim.ok());
    BindRouter(sim.port());
    HeldReads held;
    auto page = std::make_unique<CResultDlg>(host);
    // However the test ends, a held read is let go before the page waits for it.
    const auto letGo = qScopeGuard([&held] { held.OpenForGood(); });
    ASSERT_TRUE(page->Create());
    page->SetPollPeriod(1h);
    page->SetReadPause([&held](std::chrono::milliseconds) { held.Hold(); });
    page->show();
    auto* timer = page->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    const auto tick = [timer] { QMetaObject::invokeMethod(timer, "timeout"); };
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    tick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.Started() == 1; }, 2000));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    tick();  // two ticks during one read make one more read, not two
    tick();
    held.ReleaseOne();
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.Started() == 2; }, 3000)) << "the tick was dropped";
    EXPECT_EQ(Count(router->Calls(), "get"), 1u);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);

    held.ReleaseOne();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !page->IsReading() && Count(router->Calls(), "get") == 2; }, 3000));
    QTest::qWait(30);
    EXPECT_EQ(held.Started(), 2);
    EXPECT_TRUE(page->IsPolling());
    // Set once for the chained reads and taken back once.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ResultPollingTest, AnOverdueAddressNamesWhatTheRunKnowsAndTheNoteComesBackWithTheAddress) {
    routersim::Options options;
    options.linkDelay = 300ms;
    ScopedRouterSim sim(options);
    ASSERT_TRUE(sim.ok());
    BindRouter(sim.port());
    // The save was never confirmed; the rest went well.
    NoteTaskResult(host.Findings(), TASK_SAVE, -1);
    auto page = MakePage(5ms, 20ms);
    page->SetNoAddressCauseDelay(0ms);
    const QString usualNote = FieldText(*page, kResultNote);
    page->show();

    const CLanguageTable& table = host.App().languageTable;
    const QString unconfirmed = table.Lookup(QStringLiteral("Cause Save Unconfirmed"));
    ASSERT_NE(unconfirmed, QStringLiteral("Cause Save Unconfirmed"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return FieldText(*page, kResultNote).contains(unconfirmed); }, 5000));
    const QString note = FieldText(*page, kResultNote);
    EXPECT_TRUE(note.startsWith(FormatString(table.Lookup(QStringLiteral("No Address Heading")), 1)));
    // The router answered, and a known cause leaves the provider unblamed.
    EXPECT_FALSE(note.contains(table.Lookup(QStringLiteral("Cause No Status"))));
    EXPECT_FALSE(note.contains(table.Lookup(QStringLiteral("Cause No Provider Address"))));

    ASSERT_TRUE(loopback::postAndHangUp(sim.port(),
                                        loopback::libraryRequest("/goform/SysStatusHandle", "CMD=WAN_CON")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->IsPolling() && !page->IsReading(); }, 10000));
    EXPECT_EQ(FieldText(*page, kResultNote), usualNote);
}
