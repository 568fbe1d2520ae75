// The headless driver talks to a simulated router on loopback, never to the
// router the PC is cabled to, so it must not touch the PC's adapters unless
// asked: against a NetworkManager on a bus of the test's own, reachable as
// the system bus would be.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "dhcp_profile.h"
#include "headless_setup.h"
#include "language_choice.h"
#include "private_system_bus.h"
#include "recording_control_object.h"

namespace {

constexpr int kLanguageIdEnglishUs = 1033;

ConnectionSettings FixedProfile() {
    ConnectionSettings settings;
    settings[QStringLiteral("ipv4")] = {
        {QStringLiteral("method"), QStringLiteral("manual")},
        {QStringLiteral("address-data"),
         QVariant::fromValue(QList<QVariantMap>{
             {{QStringLiteral("address"), QStringLiteral("10.1.1.23")}, {QStringLiteral("prefix"), 24u}}})},
    };
    return settings;
}

class DriverAdapterResetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus_.address().isEmpty()) << "no private bus";
        ASSERT_TRUE(bus_.StartNetworkManager());
        const QString device = bus_.AddEthernetDevice(QStringLiteral("eth0"));
        profile_ = bus_.AddProfile(QStringLiteral("Wired connection 1"), FixedProfile());
        bus_.Activate(device, profile_, QStringLiteral("before"));
        app_.controlObject = &router_;
        app_.routerInfo = {"127.0.0.1", "admin", "kvmzt", 0, 0};
        app_.ChooseLanguage(kLanguageIdEnglishUs);
        router_.wanStatus.wanIp = "203.0.113.9";
        router_.macInfo.defaultMac = router_.macInfo.applyMac = "00:00:5E:00:53:2A";
    }

    // The whole run with the real adapter reset (no stand-in runner).
    void Run() {
        HeadlessEnvironment environment;
        environment.pause = router_.Pauses();
        environment.write = [this](const QString& text) { output_ += text; };
        HeadlessSetup(app_, options_, environment).Run();
    }

    QString Method() { return Ipv4Method(bus_.ProfileSettings(profile_)); }

    int argc_ = 1;
    char name_[16] = "driver_adapter";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication qt_{argc_, argv_};
    PrivateSystemBus bus_;
    QString profile_;
    RecordingControlObject router_;
    CQelvaneApp app_{QStringLiteral(QELVANE_TEST_BIN_DIR "/")};
    DriverOptions options_;
    QString output_;
};

TEST_F(DriverAdapterResetTest, WithoutTheOptionNothingIsCalledEvenWhereTheSystemBusIsReachable) {
    const QByteArray saved = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.address().toUtf8());
    const QStringList before = bus_.ManagerCalls();
    Run();
    const QStringList after = bus_.ManagerCalls();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", saved);

    EXPECT_EQ(after, before) << after.join(u' ').toStdString();
    EXPECT_EQ(Method(), QStringLiteral("manual"));
    EXPECT_TRUE(output_.contains(QStringLiteral("adapters are left alone (--reset-adapters")))
        << output_.toStdString();
}

TEST_F(DriverAdapterResetTest, AskedForTheResetOnAGivenBusItSwitchesTheProfileAndSaysWhere) {
    options_.resetAdapters = true;
    options_.adapterBus = bus_.address();
    Run();

    EXPECT_FALSE(bus_.ManagerCalls().isEmpty()) << "the call log shows the reset's calls";
    EXPECT_EQ(Method(), QStringLiteral("auto"));
    EXPECT_TRUE(output_.contains(QStringLiteral("to DHCP through NetworkManager on ") + bus_.address()))
        << output_.toStdString();
}

}  // namespace
