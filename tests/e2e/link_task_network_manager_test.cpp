// The link task as the wizard runs it on Linux: on the worker thread, the
// adapter reset asks NetworkManager (python3-dbusmock on a bus of the test's
// own, named by DBUS_SYSTEM_BUS_ADDRESS just as the system bus is), then the
// real library logs in to the simulated router.
#include <gtest/gtest.h>

#include <QByteArray>

#include <chrono>
#include <thread>

#include "dhcp_profile.h"
#include "private_system_bus.h"
#include "real_router.h"
#include "setup_tasks.h"
#include "setup_worker.h"

namespace {

using namespace std::chrono_literals;

// Points the system bus at the test's own for one test, and back.
class SystemBusOverride {
public:
    explicit SystemBusOverride(const QString& address) : saved_(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")) {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
    }
    ~SystemBusOverride() { qputenv("DBUS_SYSTEM_BUS_ADDRESS", saved_); }
    SystemBusOverride(const SystemBusOverride&) = delete;
    SystemBusOverride& operator=(const SystemBusOverride&) = delete;

private:
    QByteArray saved_;
};

class LinkTaskWithNetworkManager : public RealRouterTest {};

TEST_F(LinkTaskWithNetworkManager, TheWorkerSwitchesTheWiredProfileAndTheLoginFollows) {
    PrivateSystemBus bus;
    ASSERT_TRUE(bus.StartNetworkManager());
    ConnectionSettings fixed;
    fixed[QStringLiteral("ipv4")] = {{QStringLiteral("method"), QStringLiteral("manual")},
                                     {QStringLiteral("gateway"), QStringLiteral("10.1.1.1")}};
    const QString device = bus.AddEthernetDevice(QStringLiteral("eth0"));
    const QString profile = bus.AddProfile(QStringLiteral("Wired connection 1"), fixed);
    bus.Activate(device, profile, QStringLiteral("before"));
    SystemBusOverride systemBus(bus.address());
    StartRouter(SimOptions('3', 50ms, 200ms));

    // No command runner: the adapter reset the program itself uses.
    SetupWorker worker(TASK_LINK, router(), records, [](std::chrono::milliseconds) {});
    ASSERT_TRUE(worker.Start());
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!worker.IsDone() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }

    ASSERT_TRUE(worker.IsDone());
    EXPECT_EQ(worker.Result(), 1);
    EXPECT_EQ(Ipv4Method(bus.ProfileSettings(profile)), QStringLiteral("auto"));
    EXPECT_EQ(records.macInfo.factoryMac, sim().state().factoryMac);

    // What was switched stays in the records, and the restore task puts back
    // the profile the user chose.
    ASSERT_EQ(records.switchedProfiles.size(), 1u);
    EXPECT_EQ(records.switchedProfiles[0].adapter, QStringLiteral("eth0"));
    EXPECT_EQ(records.switchedProfiles[0].profileName, QStringLiteral("Wired connection 1"));
    records.switchedProfiles[0].choice = SwitchedProfile::Choice::Restore;
    SetupWorker restore(TASK_RESTORE, nullptr, records, [](std::chrono::milliseconds) {});
    ASSERT_TRUE(restore.Start());
    while (!restore.IsDone() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(restore.Result(), 1);
    ASSERT_TRUE(records.switchedProfiles[0].restore.has_value());
    EXPECT_EQ(records.switchedProfiles[0].restore->result, ProfileRestoreResult::Restored);
    EXPECT_EQ(Ipv4Method(bus.ProfileSettings(profile)), QStringLiteral("manual"));
}

}  // namespace
