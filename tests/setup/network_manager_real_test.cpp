// The adapter reset against the real NetworkManager daemon, which activates
// for real, waits for DHCP, validates every payload and keeps profiles where
// they are stored: what python3-dbusmock cannot show.
#include "network_manager_reset.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include "adapter_reset.h"
#include "dhcp_profile.h"
#include "headless_setup.h"
#include "network_manager_links.h"
#include "real_network_manager.h"
#include "real_router.h"
#include "recording_control_object.h"
#include "setup_tasks.h"
#include "setup_worker.h"
#include "wan_types.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

QString Keyfile(const QString& id, const QString& adapter, const QString& ipv4,
                const QString& ipv6 = QStringLiteral("method=disabled\n")) {
    return QStringLiteral(
               "[connection]\nid=%1\nuuid=%2\ntype=ethernet\ninterface-name=%3\n\n[ipv4]\n%4\n[ipv6]\n%5")
        .arg(id, QUuid::createUuid().toString(QUuid::WithoutBraces), adapter, ipv4, ipv6);
}

QString Manual(const QString& address, const QString& gateway) {
    return QStringLiteral("method=manual\naddress1=%1,%2\n").arg(address, gateway);
}

// The figures the closing notes of this work quote.
void Figure(const char* what, Clock::duration took) {
    std::cout << "[ figure   ] " << what << ": "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms" << std::endl;
}

// The calling thread, and every thread it starts, in another network
// namespace for as long as this lives.
class NetworkNamespaceEntry {
public:
    explicit NetworkNamespaceEntry(const QString& path)
        : saved_(::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC)) {
        const int target = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
        entered_ = saved_ >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
        if (target >= 0) {
            ::close(target);
        }
    }
    ~NetworkNamespaceEntry() {
        if (entered_ && ::setns(saved_, CLONE_NEWNET) != 0) {
            ADD_FAILURE() << "the test's thread did not come back from the namespace";
        }
        if (saved_ >= 0) {
            ::close(saved_);
        }
    }
    NetworkNamespaceEntry(const NetworkNamespaceEntry&) = delete;
    NetworkNamespaceEntry& operator=(const NetworkNamespaceEntry&) = delete;

    bool entered() const { return entered_; }

private:
    int saved_;
    bool entered_ = false;
};

// The simulated router listening at the far side of qvt0 (10.78.0.1) and
// the real library in front of it. Started by a thread inside the namespace,
// whose sockets, and those of the threads it starts, live there.
class FarSideRouter {
public:
    bool Start() {
        routersim::Options options;
        options.address = "10.78.0.1";
        options.port = 0;
        options.inTestNamespace = true;
        options.password = "e2e-admin";
        options.linkDelay = 50ms;
        options.restartTime = 50ms;
        sim_ = std::make_unique<routersim::RouterSim>(options);
        if (!sim_->start() || binding_.Load(BinDirectory(), library_) != LibraryLoadResult::Loaded) {
            return false;
        }
        router_ = std::make_unique<PortRedirectingObject>(*library_, sim_->port());
        return true;
    }
    ~FarSideRouter() {
        if (sim_) sim_->stop();
        if (library_ != nullptr) binding_.Release(library_);
    }

    CDLLObject& router() { return *router_; }
    routersim::RouterSim& sim() { return *sim_; }

private:
    std::unique_ptr<routersim::RouterSim> sim_;
    CLibraryBinding binding_;
    CDLLObject* library_ = nullptr;
    std::unique_ptr<PortRedirectingObject> router_;
};

class RealNetworkManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString why = RealNetworkManager::SkipReason(); !why.isEmpty()) {
            GTEST_SKIP() << why.toStdString();
        }
    }

    NetworkManagerResetOptions Options(std::chrono::milliseconds budget = 5000ms,
                                       std::chrono::milliseconds callTimeout = 2000ms) {
        NetworkManagerResetOptions options;
        options.busAddress = nm_.address();
        options.budget = budget;
        options.callTimeout = callTimeout;
        options.deviceTypes = {kDeviceTypeEthernet, kDeviceTypeVeth};
        options.log = [this](const QString& line) { log_ << line; };
        return options;
    }

    NetworkManagerResetOutcome Reset(std::chrono::milliseconds budget = 5000ms,
                                     std::chrono::milliseconds callTimeout = 2000ms) {
        const auto start = Clock::now();
        const NetworkManagerResetOutcome outcome = ResetWiredProfilesToDhcp(Options(budget, callTimeout));
        took_ = Clock::now() - start;
        return outcome;
    }

    std::string Log() const {
        return log_.join(QLatin1Char('\n')).toStdString() + "\n" + nm_.Logs().toStdString();
    }

    // qvt0 on a profile of fixed addresses whose gateway is `gateway`, the
    // daemon up, this thread in its namespace and the router at the far
    // side: the router, the worker and the library's sockets all live in
    // the namespace, as the threads are started from here.
    void StartWithFarSideRouter(const QString& gateway) {
        nm_.AddProfile(QStringLiteral("Desk"), Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                                                       Manual(QStringLiteral("10.78.0.23/24"), gateway)));
        ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")}}));
        inside_.emplace(nm_.NetworkNamespace());
        ASSERT_TRUE(inside_->entered());
        ASSERT_TRUE(far_.emplace().Start()) << qPrintable(BinDirectory());
    }

    // One task on the worker, as the wizard runs it, with the adapter reset
    // through the test's daemon.
    int RunOnWorker(int task, CDLLObject& router, SettingsRecords& records) {
        SetupWorker worker(task, &router, records, [](std::chrono::milliseconds) {});
        worker.SetAdapterReset(CAdapterReset::ThroughNetworkManager(Options()));
        EXPECT_TRUE(worker.Start());
        const auto deadline = Clock::now() + 30s;
        while (!worker.IsDone() && Clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_TRUE(worker.IsDone());
        return worker.Result();
    }

    bool HasLease(const QString& adapter, const QString& subnet) {
        const QRegularExpression lease(QRegularExpression::escape(subnet) +
                                       QStringLiteral("\\.1[0-5][0-9]/24"));
        return !nm_.Ipv4Addresses(adapter).filter(lease).isEmpty();
    }

    int argc_ = 1;
    char name_[24] = "network_manager_real";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_{argc_, argv_};
    RealNetworkManager nm_;
    QStringList log_;
    Clock::duration took_{};
    std::optional<NetworkNamespaceEntry> inside_;
    std::optional<FarSideRouter> far_;  // stopped before the thread leaves the namespace
};

TEST_F(RealNetworkManagerTest, ManualProfilesGetLeasesKeepTheRestAndTheUndoCommandPutsThemBack) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1")) +
                               QStringLiteral("dns=10.78.0.53;\ndns-search=home.example;\n"
                                              "route1=10.99.0.0/16,10.78.0.1\n"),
                           QStringLiteral("method=manual\naddress1=fd00:78::23/64\n")));
    nm_.AddProfile(QStringLiteral("Lab"),
                   Keyfile(QStringLiteral("Lab"), QStringLiteral("qvt1"), QStringLiteral("method=auto\n")));
    nm_.AddProfile(QStringLiteral("Bench"),
                   Keyfile(QStringLiteral("Bench"), QStringLiteral("qvt2"),
                           Manual(QStringLiteral("10.80.0.23/24"), QStringLiteral("10.80.0.1"))));
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")},
                           {QStringLiteral("qvt1"), QStringLiteral("10.79.0.1/24")},
                           {QStringLiteral("qvt2"), QStringLiteral("10.80.0.1/24")}}));
    const QString labBefore = nm_.ActiveConnectionOf(QStringLiteral("qvt1"));

    const NetworkManagerResetOutcome outcome = Reset();
    Figure("reset of two adapters, leases included", took_);

    EXPECT_EQ(outcome.switchedToDhcp, 2) << Log();
    EXPECT_EQ(outcome.switchedWithoutAddress, 0);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_TRUE(outcome.skipped.isEmpty()) << outcome.skipped.join(u' ').toStdString();
    EXPECT_TRUE(HasLease(QStringLiteral("qvt0"), QStringLiteral("10.78.0")))
        << nm_.Ipv4Addresses(QStringLiteral("qvt0")).join(u' ').toStdString();
    EXPECT_TRUE(HasLease(QStringLiteral("qvt2"), QStringLiteral("10.80.0")));
    EXPECT_TRUE(nm_.Run(QStringLiteral("ip -4 route show default dev qvt0"))
                    .contains(QStringLiteral("via 10.78.0.1")));
    const ConnectionSettings desk = nm_.ProfileSettings(QStringLiteral("Desk"));
    EXPECT_EQ(Ipv4Method(desk), QStringLiteral("auto"));
    const QVariantMap ipv4 = desk.value(QStringLiteral("ipv4"));
    EXPECT_EQ(ipv4.value(QStringLiteral("dns-search")).toStringList(),
              QStringList{QStringLiteral("home.example")});
    EXPECT_EQ(qdbus_cast<QList<QVariantMap>>(ipv4.value(QStringLiteral("route-data"))).size(), 1);
    EXPECT_EQ(desk.value(QStringLiteral("ipv6")).value(QStringLiteral("method")).toString(),
              QStringLiteral("manual"));
    EXPECT_TRUE(
        nm_.Run(QStringLiteral("ip -6 addr show dev qvt0")).contains(QStringLiteral("fd00:78::23/64")));
    // The DHCP profile on the other adapter was not even re-activated.
    EXPECT_EQ(nm_.ActiveConnectionOf(QStringLiteral("qvt1")), labBefore);

    // The printed command puts the fixed address back and brings it up.
    const QString logged = log_.filter(QStringLiteral("to undo: ")).value(0);
    const QString undo = logged.mid(logged.indexOf(QStringLiteral("to undo: ")) + 9);
    ASSERT_FALSE(undo.isEmpty()) << Log();
    nm_.Run(undo);
    EXPECT_EQ(Ipv4Method(nm_.ProfileSettings(QStringLiteral("Desk"))), QStringLiteral("manual"));
    EXPECT_TRUE(nm_.Ipv4Addresses(QStringLiteral("qvt0")).contains(QStringLiteral("10.78.0.23/24")))
        << nm_.Ipv4Addresses(QStringLiteral("qvt0")).join(u' ').toStdString();
}

TEST_F(RealNetworkManagerTest, APutBackAfterTheResetBringsTheFixedAddressBackOnTheAdapter) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1")) +
                               QStringLiteral("dns=10.78.0.53;\n")));
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")}}));
    const QString before = DescribeFixedIpv4(nm_.ProfileSettings(QStringLiteral("Desk")));

    const NetworkManagerResetOutcome outcome = Reset();
    ASSERT_EQ(outcome.changed.size(), 1u) << Log();
    EXPECT_TRUE(HasLease(QStringLiteral("qvt0"), QStringLiteral("10.78.0"))) << Log();

    const auto start = Clock::now();
    const std::vector<ProfileRestoreOutcome> restored = RestoreSwitchedProfiles(outcome.changed, Options());
    Figure("put back of one adapter", Clock::now() - start);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].result, ProfileRestoreResult::Restored)
        << restored[0].reason.toStdString() << Log();
    const ConnectionSettings back = nm_.ProfileSettings(QStringLiteral("Desk"));
    EXPECT_EQ(Ipv4Method(back), QStringLiteral("manual"));
    EXPECT_EQ(DescribeFixedIpv4(back), before);
    // The daemon brings the fixed address up on the adapter, the lease gone.
    const auto deadline = Clock::now() + 10s;
    QStringList addresses = nm_.Ipv4Addresses(QStringLiteral("qvt0"));
    while (addresses != QStringList{QStringLiteral("10.78.0.23/24")} && Clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
        addresses = nm_.Ipv4Addresses(QStringLiteral("qvt0"));
    }
    EXPECT_EQ(addresses, QStringList{QStringLiteral("10.78.0.23/24")}) << addresses.join(u' ').toStdString();
}

TEST_F(RealNetworkManagerTest, AnAdapterWithoutADhcpServerDoesNotHoldUpTheOneCabledToTheRouter) {
    // The first listed is cabled to a switch or a dock: no DHCP server there.
    nm_.AddProfile(QStringLiteral("Dock"),
                   Keyfile(QStringLiteral("Dock"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.77.0.23/24"), QStringLiteral("10.77.0.1"))));
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt1"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1"))));
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.77.0.1/24"), false},
                           {QStringLiteral("qvt1"), QStringLiteral("10.78.0.1/24")}}));

    const NetworkManagerResetOutcome outcome = Reset();
    Figure("reset of two adapters, one lease and one budget's wait", took_);

    EXPECT_EQ(outcome.switchedToDhcp, 1) << Log();
    EXPECT_EQ(outcome.switchedWithoutAddress, 1);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_TRUE(outcome.skipped.isEmpty()) << outcome.skipped.join(u' ').toStdString();
    EXPECT_TRUE(HasLease(QStringLiteral("qvt1"), QStringLiteral("10.78.0"))) << Log();
    EXPECT_TRUE(log_.contains(QStringLiteral("qvt0: switched to DHCP, no address yet"))) << Log();
    EXPECT_LT(took_, 7s);
}

TEST_F(RealNetworkManagerTest, WithNoDhcpServerAtAllTheSwitchIsReportedWithoutAnAddress) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1"))));
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24"), false}}));

    const NetworkManagerResetOutcome outcome = Reset(1500ms);

    EXPECT_EQ(outcome.switchedToDhcp, 0) << Log();
    EXPECT_EQ(outcome.switchedWithoutAddress, 1);
    EXPECT_EQ(log_.last(), QStringLiteral("qvt0: switched to DHCP, no address yet")) << Log();
}

TEST_F(RealNetworkManagerTest, ADaemonThatStopsAnsweringWhileTheAdapterConnectsConfirmsNothing) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1"))));
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24"), false}}));

    // Stopped once the adapter is waiting for its lease: the switch and the
    // activation have been answered by then.
    std::thread stop([this] {
        RealNetworkManager& nm = nm_;
        const auto deadline = Clock::now() + 10s;
        while (!nm.Run(QStringLiteral("nmcli -t -f DEVICE,STATE device"))
                    .contains(QStringLiteral("qvt0:connecting (getting IP configuration)")) &&
               Clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
        }
        ::kill(nm.daemonPid(), SIGSTOP);
    });
    const NetworkManagerResetOutcome outcome = Reset(4000ms, 500ms);
    stop.join();

    EXPECT_EQ(outcome.switchedToDhcp, 0) << Log();
    EXPECT_EQ(outcome.switchedWithoutAddress, 1);
    EXPECT_TRUE(log_.last().startsWith(QStringLiteral("qvt0: switched to DHCP, state not read ("))) << Log();
}

TEST_F(RealNetworkManagerTest, AnUnprivilegedUserIsRefusedWhereOnlyRootMayChangeProfiles) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1"))));
    ASSERT_TRUE(
        nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")}}, QStringLiteral("root-only")));

    QProcess probe;
    probe.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral(QELVANE_RESET_PROBE), nm_.address()});
    ASSERT_TRUE(probe.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput());

    EXPECT_TRUE(output.contains(QStringLiteral("qvt0: profile \"Desk\" left on fixed addresses (")))
        << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("switched=0 without-address=0 failed=1 skipped=0")))
        << output.toStdString();
    EXPECT_EQ(Ipv4Method(nm_.ProfileSettings(QStringLiteral("Desk"))), QStringLiteral("manual"));
}

TEST_F(RealNetworkManagerTest, AProfileKeptOnlyInMemoryStaysInMemory) {
    nm_.AddProfile(QStringLiteral("Desk"),
                   Keyfile(QStringLiteral("Desk"), QStringLiteral("qvt0"),
                           Manual(QStringLiteral("10.78.0.23/24"), QStringLiteral("10.78.0.1"))),
                   true);
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")}}));
    ASSERT_TRUE(nm_.ProfileProperties(QStringLiteral("Desk"))
                    .value(QStringLiteral("Filename"))
                    .toString()
                    .startsWith(QStringLiteral("/run/")));

    const NetworkManagerResetOutcome outcome = Reset();
    Figure("reset of one adapter, lease included", took_);

    EXPECT_EQ(outcome.switchedToDhcp, 1) << Log();
    EXPECT_EQ(Ipv4Method(nm_.ProfileSettings(QStringLiteral("Desk"))), QStringLiteral("auto"));
    const QVariantMap properties = nm_.ProfileProperties(QStringLiteral("Desk"));
    EXPECT_TRUE(properties.value(QStringLiteral("Filename")).toString().startsWith(QStringLiteral("/run/")))
        << properties.value(QStringLiteral("Filename")).toString().toStdString();
    EXPECT_TRUE(nm_.Run(QStringLiteral("ls /etc/NetworkManager/system-connections")).trimmed().isEmpty());
}

TEST_F(RealNetworkManagerTest, TheLinkTaskGetsItsLeaseFromTheFarSideAndTheLibraryLogsInToTheRouterThere) {
    ASSERT_NO_FATAL_FAILURE(StartWithFarSideRouter(QStringLiteral("10.78.0.1")));
    SettingsRecords records;
    records.routerInfo = {"10.78.0.1", "admin", "e2e-admin", 0, 0};

    EXPECT_EQ(RunOnWorker(TASK_LINK, far_->router(), records), 1) << Log();
    EXPECT_TRUE(HasLease(QStringLiteral("qvt0"), QStringLiteral("10.78.0"))) << Log();
    EXPECT_EQ(records.macInfo.factoryMac, far_->sim().state().factoryMac);
    EXPECT_TRUE(log_.filter(QStringLiteral("qvt0: profile \"Desk\" switched")).size() == 1) << Log();
}

// setting.ini points at a loopback address where nothing listens in the
// namespace; dnsmasq's lease names its own far-side address as the router,
// and the simulated router listens there.
TEST_F(RealNetworkManagerTest, TheLinkTaskFindsTheRouterWhereTheLeaseNamesItAndKeepsUsingIt) {
    // The profile's own gateway names nobody: the lease's is the one read.
    ASSERT_NO_FATAL_FAILURE(StartWithFarSideRouter(QStringLiteral("10.78.0.99")));
    SettingsRecords records;
    records.routerInfo = {"127.0.0.5", "admin", "e2e-admin", 0, 0};

    EXPECT_EQ(RunOnWorker(TASK_LINK, far_->router(), records), kLinkFoundElsewhere) << Log();
    EXPECT_EQ(records.routerInfo.address, "10.78.0.1");
    EXPECT_EQ(records.configuredRouterAddress, "127.0.0.5");
    EXPECT_EQ(records.macInfo.factoryMac, far_->sim().state().factoryMac);
    // Every later task goes to the router found.
    EXPECT_GT(RunOnWorker(TASK_AUTO, far_->router(), records), 0);
}

// The driver's whole run: found, said, and set up there.
TEST_F(RealNetworkManagerTest, TheHeadlessDriverFindsTheRouterToo) {
    ASSERT_NO_FATAL_FAILURE(StartWithFarSideRouter(QStringLiteral("10.78.0.99")));
    CQelvaneApp app{QStringLiteral(QELVANE_TEST_BIN_DIR "/")};
    app.ChooseLanguage(1033);
    app.controlObject = &far_->router();
    app.routerInfo = {"127.0.0.5", "admin", "e2e-admin", 0, 0};
    DriverOptions options;
    options.resetAdapters = true;
    options.adapterBus = nm_.address();
    options.adapterTypes = {kDeviceTypeEthernet, kDeviceTypeVeth};
    options.wanType = kWanDynamicIp;
    HeadlessEnvironment environment;
    environment.pause = [](std::chrono::milliseconds) { std::this_thread::sleep_for(20ms); };
    QString output;
    environment.write = [&output](const QString& text) { output += text; };

    EXPECT_EQ(HeadlessSetup(app, options, environment).Run(), kHeadlessSucceeded) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("Router found at 10.78.0.1 instead of 127.0.0.5")))
        << output.toStdString();
    EXPECT_EQ(app.routerInfo.address, "10.78.0.1");
}

TEST_F(RealNetworkManagerTest, WithTheFarEndDownTheLinkTaskSaysSoBeforeAnyLogin) {
    for (const QString& adapter : {QStringLiteral("qvt0"), QStringLiteral("qvt1")}) {
        nm_.AddProfile(adapter, Keyfile(adapter, adapter, QStringLiteral("method=auto\n")));
    }
    ASSERT_TRUE(nm_.Start({{QStringLiteral("qvt0"), QStringLiteral("10.78.0.1/24")},
                           {QStringLiteral("qvt1"), QStringLiteral("10.79.0.1/24")}}));
    // The daemon drops the carrier bit at once; the adapter's state follows
    // seconds later.
    const auto unpluggedOnceMore = [this](int before) {
        const auto deadline = Clock::now() + 10s;
        WiredLinks links = ReadWiredLinks(Options());
        while (links.withoutCarrier <= before && Clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
            links = ReadWiredLinks(Options());
        }
        return links;
    };
    // One adapter unplugged is no reason to stop: the other may be cabled.
    // (The far ends, unmanaged, are not read.)
    nm_.Run(QStringLiteral("ip link set qvt0p down"));
    WiredLinks links = unpluggedOnceMore(0);
    EXPECT_EQ(links.adapters, 2) << Log();
    EXPECT_EQ(links.withoutCarrier, 1) << Log();
    EXPECT_FALSE(links.NoCableAnywhere());
    EXPECT_EQ(links.routers, std::vector<std::string>{"10.79.0.1"});

    nm_.Run(QStringLiteral("ip link set qvt1p down"));
    EXPECT_TRUE(unpluggedOnceMore(1).NoCableAnywhere()) << Log();
    RecordingControlObject router;
    SettingsRecords records;
    records.routerInfo = {"127.0.0.5", "admin", "e2e-admin", 0, 0};
    CAdapterReset adapters = CAdapterReset::ThroughNetworkManager(Options());
    const auto start = Clock::now();
    EXPECT_EQ(RunSetupScript(TASK_LINK, &router, records, router.Pauses(), adapters), kLinkNoCable) << Log();
    Figure("link task with every wired adapter unplugged", Clock::now() - start);
    EXPECT_TRUE(router.Log().empty()) << router.Log().front();
}

}  // namespace
