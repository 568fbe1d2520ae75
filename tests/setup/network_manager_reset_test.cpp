#include "network_manager_reset.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QMultiMap>
#include <QProcess>
#include <QtEndian>
#include <QStringList>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>

#include "adapter_reset.h"
#include "dhcp_profile.h"
#include "private_system_bus.h"

namespace {

using namespace std::chrono_literals;

ConnectionSettings FixedProfile() {
    ConnectionSettings settings;
    settings[QStringLiteral("ipv4")] = {
        {QStringLiteral("method"), QStringLiteral("manual")},
        {QStringLiteral("address-data"),
         QVariant::fromValue(QList<QVariantMap>{
             {{QStringLiteral("address"), QStringLiteral("127.0.1.10")}, {QStringLiteral("prefix"), 24u}}})},
        {QStringLiteral("gateway"), QStringLiteral("127.0.1.1")},
        {QStringLiteral("dns"), QVariant::fromValue(QList<uint>{htonl(0x09090909)})},
        {QStringLiteral("ignore-auto-dns"), true},
        {QStringLiteral("dns-search"), QStringList{QStringLiteral("home.example")}},
    };
    settings[QStringLiteral("ipv6")] = {{QStringLiteral("method"), QStringLiteral("ignore")}};
    settings[QStringLiteral("802-3-ethernet")] = {
        {QStringLiteral("mac-address"), QByteArray::fromHex("001122334455")}, {QStringLiteral("mtu"), 1500u}};
    return settings;
}

ConnectionSettings DhcpProfile() {
    ConnectionSettings settings;
    settings[QStringLiteral("ipv4")] = {{QStringLiteral("method"), QStringLiteral("auto")}};
    return settings;
}

TEST(DhcpProfile, AutomaticAddressingDropsEveryFixedValueAndKeepsTheRest) {
    const ConnectionSettings changed = WithAutomaticIpv4(FixedProfile());
    const QVariantMap ipv4 = changed.value(QStringLiteral("ipv4"));
    EXPECT_EQ(Ipv4Method(changed), QStringLiteral("auto"));
    for (const char* key : {"address-data", "addresses", "gateway", "dns", "dns-data", "ignore-auto-dns"}) {
        EXPECT_FALSE(ipv4.contains(QString::fromLatin1(key))) << key;
    }
    EXPECT_TRUE(ipv4.contains(QStringLiteral("dns-search")));
    EXPECT_EQ(changed.value(QStringLiteral("ipv6")), FixedProfile().value(QStringLiteral("ipv6")));
}

TEST(DhcpProfile, UndoCommandRestoresTheOldValuesInBothWireForms) {
    ConnectionSettings settings = FixedProfile();
    settings[QStringLiteral("connection")] = {{QStringLiteral("id"), QStringLiteral("Bob's desk")}};
    EXPECT_EQ(DescribeFixedIpv4(settings),
              QStringLiteral("addresses 127.0.1.10/24, gateway 127.0.1.1, DNS 9.9.9.9"));
    EXPECT_EQ(
        UndoCommand(settings),
        QStringLiteral("nmcli connection modify 'Bob'\\''s desk' ipv4.method 'manual' ipv4.addresses "
                       "'127.0.1.10/24' ipv4.gateway '127.0.1.1' ipv4.dns '9.9.9.9' ipv4.ignore-auto-dns yes "
                       "&& nmcli connection up 'Bob'\\''s desk'"));

    // Older NetworkManager: [address, prefix, gateway] in network byte order.
    ConnectionSettings old;
    old[QStringLiteral("ipv4")] = {
        {QStringLiteral("method"), QStringLiteral("manual")},
        {QStringLiteral("addresses"),
         QVariant::fromValue(QList<QList<uint>>{{htonl(0x0A000005), 8u, htonl(0x0A000001)}})},
    };
    EXPECT_EQ(DescribeFixedIpv4(old), QStringLiteral("addresses 10.0.0.5/8"));
}

// The flags of every method call on the bus, by method name, read from
// dbus-monitor's capture: dbusmock's call log does not keep them.
class CallFlagsMonitor {
public:
    explicit CallFlagsMonitor(const QString& address) {
        monitor_.start(QStringLiteral("dbus-monitor"),
                       {QStringLiteral("--address"), address, QStringLiteral("--pcap")});
        // The capture's header comes once the monitor is in place.
        while (capture_.size() < kFileHeader && monitor_.waitForReadyRead(5000)) {
            capture_ += monitor_.readAllStandardOutput();
        }
    }
    ~CallFlagsMonitor() { Stop(); }

    static constexpr quint8 kAllowInteractiveAuthorisation = 0x4;

    // Method name -> the flags of each call of it.
    QMultiMap<QString, quint8> Calls() {
        Stop();
        QMultiMap<QString, quint8> calls;
        for (qsizetype at = kFileHeader; at + kRecordHeader <= capture_.size();) {
            const quint32 length = qFromLittleEndian<quint32>(capture_.constData() + at + 8);
            const QByteArray message = capture_.mid(at + kRecordHeader, length);
            at += kRecordHeader + length;
            constexpr char kMethodCall = 1;
            if (message.size() < 16 || message[1] != kMethodCall) {
                continue;
            }
            // Header field 3 is the member: code, signature "s", padding, length, name.
            const qsizetype field = message.indexOf(QByteArray("\x03\x01s\x00", 4));
            if (field >= 0 && field + 8 <= message.size()) {
                const quint32 size = qFromLittleEndian<quint32>(message.constData() + field + 4);
                calls.insert(QString::fromLatin1(message.mid(field + 8, size)), quint8(message[2]));
            }
        }
        return calls;
    }

private:
    static constexpr qsizetype kFileHeader = 24;
    static constexpr qsizetype kRecordHeader = 16;

    void Stop() {
        if (monitor_.state() != QProcess::NotRunning) {
            monitor_.waitForReadyRead(200);
            capture_ += monitor_.readAllStandardOutput();
            monitor_.kill();
            monitor_.waitForFinished(5000);
            capture_ += monitor_.readAllStandardOutput();
        }
    }

    QProcess monitor_;
    QByteArray capture_;
};

class NetworkManagerResetTest : public ::testing::Test {
protected:
    void SetUp() override {
        qDBusRegisterMetaType<QList<QList<uint>>>();
        ASSERT_FALSE(bus_.address().isEmpty()) << "no private bus";
    }

    NetworkManagerResetOutcome Reset(std::chrono::milliseconds callTimeout = 2000ms) {
        NetworkManagerResetOptions options;
        options.busAddress = bus_.address();
        options.callTimeout = callTimeout;
        options.log = [this](const QString& line) { log_ << line; };
        return ResetWiredProfilesToDhcp(options);
    }

    std::vector<ProfileRestoreOutcome> Restore(const SwitchedProfiles& profiles) {
        NetworkManagerResetOptions options;
        options.busAddress = bus_.address();
        options.log = [this](const QString& line) { log_ << line; };
        return RestoreSwitchedProfiles(profiles, options);
    }

    // The profile's Update by python code, in place of the mock's own.
    void ReplaceUpdate(const QString& profile, const QString& code) {
        bus_.ReplaceMethod(profile, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
                           QStringLiteral("Update"), QStringLiteral("a{sa{sv}}"), QString(), code);
    }

    QString Log() const { return log_.join(QLatin1Char('\n')); }

    // NetworkManager's ActivateConnection(profile, device, specific object) as python code.
    void ReplaceActivation(const QString& code) {
        bus_.ReplaceMethod(QStringLiteral("/org/freedesktop/NetworkManager"),
                           QStringLiteral("org.freedesktop.NetworkManager"),
                           QStringLiteral("ActivateConnection"), QStringLiteral("ooo"), QStringLiteral("o"),
                           code);
    }

    int argc_ = 1;
    char name_[16] = "setup_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_{argc_, argv_};
    PrivateSystemBus bus_;
    QStringList log_;
};

TEST_F(NetworkManagerResetTest, FixedWiredProfileGoesToDhcpIsReactivatedAndTheChangeIsLogged) {
    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString device = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    const QString profile = bus_.AddProfile(QStringLiteral("Office desk"), FixedProfile());
    bus_.Activate(device, profile, QStringLiteral("before"));

    const NetworkManagerResetOutcome outcome = Reset();

    EXPECT_TRUE(outcome.reachedNetworkManager);
    EXPECT_EQ(outcome.switchedToDhcp, 1);
    EXPECT_EQ(outcome.failed, 0);
    const ConnectionSettings stored = bus_.ProfileSettings(profile);
    EXPECT_EQ(Ipv4Method(stored), QStringLiteral("auto"));
    // The rest of the profile goes back with its own D-Bus types.
    EXPECT_EQ(stored.value(QStringLiteral("ipv4")).value(QStringLiteral("dns-search")).toStringList(),
              QStringList{QStringLiteral("home.example")});
    const QVariant mac = stored.value(QStringLiteral("802-3-ethernet")).value(QStringLiteral("mac-address"));
    EXPECT_EQ(mac.userType(), QMetaType::QByteArray);
    EXPECT_EQ(mac.toByteArray(), QByteArray::fromHex("001122334455"));
    EXPECT_EQ(stored.value(QStringLiteral("802-3-ethernet")).value(QStringLiteral("mtu")).userType(),
              QMetaType::UInt);
    EXPECT_NE(bus_.ActiveConnectionOf(device),
              QStringLiteral("/org/freedesktop/NetworkManager/ActiveConnection/before"))
        << "the profile was not activated again";
    ASSERT_EQ(log_.size(), 1) << Log().toStdString();
    for (const char* part : {"eth0", "\"Office desk\"", "method manual", "127.0.1.10/24", "gateway 127.0.1.1",
                             "nmcli connection modify"}) {
        EXPECT_TRUE(log_[0].contains(QString::fromLatin1(part)))
            << part << " missing in " << Log().toStdString();
    }
}

TEST_F(NetworkManagerResetTest, CallsThatChangeAProfileMayAskForAPasswordAndReadsMayNot) {
    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString device = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    bus_.Activate(device, bus_.AddProfile(QStringLiteral("Desk"), FixedProfile()), QStringLiteral("desk"));
    CallFlagsMonitor monitor(bus_.address());

    EXPECT_EQ(Reset().switchedToDhcp, 1) << Log().toStdString();

    const QMultiMap<QString, quint8> calls = monitor.Calls();
    // dbusmock has no Update2: both it and the Update that follows count.
    for (const char* method : {"Update2", "Update", "ActivateConnection"}) {
        const QList<quint8> flags = calls.values(QString::fromLatin1(method));
        ASSERT_FALSE(flags.isEmpty()) << method << " not seen";
        for (quint8 flag : flags) {
            EXPECT_TRUE(flag & CallFlagsMonitor::kAllowInteractiveAuthorisation) << method;
        }
    }
    for (quint8 flag : calls.values(QStringLiteral("GetSettings"))) {
        EXPECT_FALSE(flag & CallFlagsMonitor::kAllowInteractiveAuthorisation) << "GetSettings";
    }
}

TEST_F(NetworkManagerResetTest, DhcpProfilesWifiAndIdleDevicesAreLeftAlone) {
    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString wired = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    const QString dhcp = bus_.AddProfile(QStringLiteral("Wired DHCP"), DhcpProfile());
    bus_.Activate(wired, dhcp, QStringLiteral("wired"));
    const QString wifi = bus_.AddWifiDevice(QStringLiteral("wlan0"));
    ConnectionSettings wifiSettings = FixedProfile();
    wifiSettings[QStringLiteral("connection")] = {
        {QStringLiteral("type"), QStringLiteral("802-11-wireless")}};
    const QString wifiProfile = bus_.AddProfile(QStringLiteral("Home Wi-Fi"), wifiSettings);
    bus_.Activate(wifi, wifiProfile, QStringLiteral("wifi"));
    bus_.AddEthernetDevice(QStringLiteral("eth1"));  // cabled to nothing: no active profile

    const NetworkManagerResetOutcome outcome = Reset();

    EXPECT_TRUE(outcome.reachedNetworkManager);
    EXPECT_EQ(outcome.switchedToDhcp, 0);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(Ipv4Method(bus_.ProfileSettings(wifiProfile)), QStringLiteral("manual"));
    EXPECT_EQ(bus_.ActiveConnectionOf(wired),
              QStringLiteral("/org/freedesktop/NetworkManager/ActiveConnection/wired"))
        << "a DHCP profile was reconnected for nothing";
    EXPECT_TRUE(log_.isEmpty()) << Log().toStdString();
}

TEST_F(NetworkManagerResetTest, RefusedAuthorisationAndFailedActivationAreLoggedAndTheOthersStillSwitch) {
    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString refusedDevice = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    const QString refused = bus_.AddProfile(QStringLiteral("Locked"), FixedProfile());
    bus_.Activate(refusedDevice, refused, QStringLiteral("locked"));
    bus_.ReplaceMethod(refused, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
                       QStringLiteral("Update"), QStringLiteral("a{sa{sv}}"), QString(),
                       QStringLiteral("raise dbus.exceptions.DBusException('Insufficient privileges', "
                                      "name='org.freedesktop.NetworkManager.PermissionDenied')"));
    const QString device = bus_.AddEthernetDevice(QStringLiteral("eth1"));
    const QString profile = bus_.AddProfile(QStringLiteral("Desk"), FixedProfile());
    bus_.Activate(device, profile, QStringLiteral("desk"));

    NetworkManagerResetOutcome outcome = Reset();
    EXPECT_EQ(outcome.switchedToDhcp, 1);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(Ipv4Method(bus_.ProfileSettings(refused)), QStringLiteral("manual"));
    EXPECT_EQ(Ipv4Method(bus_.ProfileSettings(profile)), QStringLiteral("auto"));
    EXPECT_TRUE(Log().contains(QStringLiteral("eth0: profile \"Locked\" left on fixed addresses")))
        << Log().toStdString();
    EXPECT_TRUE(Log().contains(QStringLiteral("PermissionDenied"))) << Log().toStdString();

    // A profile that will not come up again: changed, said so, counted as failed.
    const QString third = bus_.AddProfile(QStringLiteral("Flaky"), FixedProfile());
    bus_.Activate(device, third, QStringLiteral("flaky"));
    ReplaceActivation(
        QStringLiteral("raise dbus.exceptions.DBusException('No carrier', "
                       "name='org.freedesktop.NetworkManager.UnknownConnection')"));
    log_.clear();
    outcome = Reset();
    EXPECT_EQ(outcome.switchedToDhcp, 0);
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_TRUE(Log().contains(QStringLiteral("eth1: profile \"Flaky\" not re-activated")))
        << Log().toStdString();

    // Activated, then dropped again before it came up.
    bus_.Activate(device, bus_.AddProfile(QStringLiteral("Dropping"), FixedProfile()),
                  QStringLiteral("dropping"));
    ReplaceActivation(
        QStringLiteral("ret = dbus.ObjectPath(self.AddActiveConnection([args[1]], args[0], '/', "
                       "'dropped', dbus.UInt32(4)))"));
    log_.clear();
    outcome = Reset();
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_TRUE(Log().contains(QStringLiteral("eth1: profile \"Dropping\" did not come up again")))
        << Log().toStdString();
}

TEST_F(NetworkManagerResetTest, ASwitchedProfileIsPutBackAsItWasAndARefusedOneIsNotCalledRestored) {
    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString device = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    const QString profile = bus_.AddProfile(QStringLiteral("Office desk"), FixedProfile());
    bus_.Activate(device, profile, QStringLiteral("before"));
    // As the daemon does (the mock merges): an update replaces the whole profile.
    ReplaceUpdate(profile, QStringLiteral("self.settings = args[0]"));

    const NetworkManagerResetOutcome outcome = Reset();
    ASSERT_EQ(outcome.changed.size(), 1u) << Log().toStdString();
    const SwitchedProfile& switched = outcome.changed[0];
    EXPECT_EQ(switched.adapter, QStringLiteral("eth0"));
    EXPECT_EQ(switched.profileName, QStringLiteral("Office desk"));
    EXPECT_EQ(switched.profilePath, profile);
    EXPECT_EQ(switched.devicePath, device);
    EXPECT_EQ(switched.fixedAddresses, QStringList{QStringLiteral("127.0.1.10/24")});
    EXPECT_TRUE(switched.undoCommand.startsWith(QStringLiteral("nmcli connection modify '") + switched.uuid));
    ASSERT_TRUE(FixedIpv4Addresses(bus_.ProfileSettings(profile)).isEmpty());
    const QString activeAfterReset = bus_.ActiveConnectionOf(device);

    log_.clear();
    std::vector<ProfileRestoreOutcome> restored = Restore(outcome.changed);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].result, ProfileRestoreResult::Restored) << restored[0].reason.toStdString();
    const ConnectionSettings back = bus_.ProfileSettings(profile);
    EXPECT_EQ(Ipv4Method(back), QStringLiteral("manual"));
    EXPECT_EQ(DescribeFixedIpv4(back),
              QStringLiteral("addresses 127.0.1.10/24, gateway 127.0.1.1, DNS 9.9.9.9"));
    EXPECT_TRUE(back.value(QStringLiteral("ipv4")).value(QStringLiteral("ignore-auto-dns")).toBool());
    EXPECT_NE(bus_.ActiveConnectionOf(device), activeAfterReset) << "not brought up again";
    EXPECT_TRUE(
        Log().contains(QStringLiteral("eth0: profile \"Office desk\" put back to IPv4 method manual")))
        << Log().toStdString();

    // Switched once more; this time the system says no.
    const NetworkManagerResetOutcome again = Reset();
    ASSERT_EQ(again.changed.size(), 1u);
    ReplaceUpdate(profile,
                  QStringLiteral("raise dbus.exceptions.DBusException('Insufficient privileges', "
                                 "name='org.freedesktop.NetworkManager.Settings.PermissionDenied')"));
    log_.clear();
    restored = Restore(again.changed);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].result, ProfileRestoreResult::Refused);
    EXPECT_TRUE(restored[0].reason.contains(QStringLiteral("PermissionDenied")));
    EXPECT_EQ(Ipv4Method(bus_.ProfileSettings(profile)), QStringLiteral("auto"));
    EXPECT_TRUE(Log().contains(QStringLiteral("not put back")) &&
                Log().contains(again.changed[0].undoCommand))
        << Log().toStdString();
}

TEST_F(NetworkManagerResetTest, NoNetworkManagerOrAHungOneCostsNoMoreThanItsTimeOut) {
    NetworkManagerResetOutcome outcome = Reset();
    EXPECT_FALSE(outcome.reachedNetworkManager);
    EXPECT_TRUE(Log().contains(QStringLiteral("NetworkManager not reached"))) << Log().toStdString();

    ASSERT_TRUE(bus_.StartNetworkManager());
    const QString device = bus_.AddEthernetDevice(QStringLiteral("eth0"));
    const QString profile = bus_.AddProfile(QStringLiteral("Desk"), FixedProfile());
    bus_.Activate(device, profile, QStringLiteral("desk"));
    bus_.ReplaceMethod(profile, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
                       QStringLiteral("GetSettings"), QString(), QStringLiteral("a{sa{sv}}"),
                       QStringLiteral("import time; time.sleep(3); ret = {}"));
    log_.clear();
    const auto start = std::chrono::steady_clock::now();
    outcome = Reset(300ms);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, 2s);
    EXPECT_TRUE(outcome.reachedNetworkManager);
    EXPECT_EQ(outcome.switchedToDhcp, 0);
    EXPECT_TRUE(Log().contains(QStringLiteral("eth0: profile not read"))) << Log().toStdString();
    // Passed over, but named and counted.
    EXPECT_EQ(outcome.skipped, QStringList{QStringLiteral("eth0")});
}

TEST(AdapterResetOnLinux, WithoutAReachableSystemBusTheStepEndsAtOnce) {
    // test_main points the system bus at a socket that does not exist.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CAdapterReset().ResetAdaptersToDhcp(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

}  // namespace
