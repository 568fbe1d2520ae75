#include "network_manager_reset.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QThread>

#include <optional>
#include <vector>

#include "dhcp_profile.h"
#include "network_manager_bus.h"

namespace {

using namespace network_manager;
using std::chrono::milliseconds;

// A profile switched and re-activated, not yet seen up.
struct Switched {
    QString name;
    QString profileName;
    QString activeConnection;
    QString lastError;  // why its state could not be read last time, if it could not
};

class Walk {
public:
    Walk(BoundedBus& bus, const NetworkManagerResetOptions& options, std::function<void(const QString&)> log)
        : bus_(bus), deviceTypes_(options.deviceTypes), log_(std::move(log)) {}

    NetworkManagerResetOutcome Run() {
        QString error;
        const auto devices = bus_.Devices(error);
        if (!devices) {
            log_(QStringLiteral("NetworkManager not reached, adapters left as they are (") + error +
                 QLatin1Char(')'));
            return outcome_;
        }
        outcome_.reachedNetworkManager = true;
        for (const QString& device : *devices) {
            ResetDevice(device);
        }
        WaitUntilUp();
        return outcome_;
    }

private:
    void Skip(const QString& adapter, const QString& what, const QString& error) {
        outcome_.skipped << adapter;
        log_(adapter + QStringLiteral(": ") + what + QStringLiteral(" (") + error + QLatin1Char(')'));
    }

    void ResetDevice(const QString& device) {
        QString error;
        const auto properties = bus_.Properties(device, kDeviceInterface, error);
        if (!properties) {
            Skip(device, QStringLiteral("not read"), error);
            return;
        }
        if (!deviceTypes_.contains(properties->value(QStringLiteral("DeviceType")).toUInt()) ||
            !properties->value(QStringLiteral("Managed")).toBool()) {
            return;
        }
        const QString name = properties->value(QStringLiteral("Interface")).toString();
        const QString active = ObjectPath(properties->value(QStringLiteral("ActiveConnection")));
        if (!IsObject(active)) {
            // No profile is in use: nothing holds the adapter to fixed addresses.
            return;
        }
        const auto activeProperties = bus_.Properties(active, kActiveInterface, error);
        if (!activeProperties) {
            Skip(name, QStringLiteral("active profile not read"), error);
            return;
        }
        const QString profile = ObjectPath(activeProperties->value(QStringLiteral("Connection")));
        const QDBusMessage settingsReply =
            bus_.Call(profile, kProfileInterface, QStringLiteral("GetSettings"));
        if (settingsReply.type() != QDBusMessage::ReplyMessage || settingsReply.arguments().isEmpty()) {
            Skip(name, QStringLiteral("profile not read"), BoundedBus::Describe(settingsReply));
            return;
        }
        const auto settings = qdbus_cast<ConnectionSettings>(settingsReply.arguments().constFirst());
        if (!UsesManualIpv4(settings)) {
            return;
        }
        SwitchProfile(name, device, profile, settings);
    }

    // Update2 with no storage flag keeps a profile where it is stored (one
    // kept only in memory stays there); Update, for daemons without Update2,
    // writes it to disk.
    QDBusMessage Update(const QString& profile, const ConnectionSettings& settings) {
        const QVariant changed = QVariant::fromValue(settings);
        QDBusMessage reply = bus_.CallAllowingAuthorisation(
            profile, kProfileInterface, QStringLiteral("Update2"), {changed, 0u, QVariantMap()});
        if (reply.type() == QDBusMessage::ErrorMessage &&
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
            reply = bus_.CallAllowingAuthorisation(profile, kProfileInterface, QStringLiteral("Update"),
                                                   {changed});
        }
        return reply;
    }

    void SayWhatMayBeAsked(const QString& name, const QString& profileName) {
        if (askedBefore_) {
            return;
        }
        askedBefore_ = true;
        WriteToStandardError(
            QStringLiteral("switching ") + name + QStringLiteral(" (profile ") + profileName +
            QStringLiteral(") to DHCP changes a network profile of the system; if you are asked "
                           "for an administrator's password, it is for this change"));
    }

    void SwitchProfile(const QString& name, const QString& device, const QString& profile,
                       const ConnectionSettings& settings) {
        const QString profileName =
            QLatin1Char('"') +
            settings.value(QStringLiteral("connection")).value(QStringLiteral("id")).toString() +
            QLatin1Char('"');
        SayWhatMayBeAsked(name, profileName);
        const QDBusMessage updated = Update(profile, WithAutomaticIpv4(settings));
        if (updated.type() != QDBusMessage::ReplyMessage) {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName +
                 QStringLiteral(" left on fixed addresses (") + BoundedBus::Describe(updated) +
                 QLatin1Char(')'));
            return;
        }
        log_(name + QStringLiteral(": profile ") + profileName +
             QStringLiteral(" switched from IPv4 method ") + Ipv4Method(settings) + QStringLiteral(" (") +
             DescribeFixedIpv4(settings) + QStringLiteral(") to auto (DHCP); to undo: ") +
             UndoCommand(settings));
        const QDBusMessage activated = bus_.CallAllowingAuthorisation(
            kManagerPath, kManagerInterface, QStringLiteral("ActivateConnection"),
            {QVariant::fromValue(QDBusObjectPath(profile)), QVariant::fromValue(QDBusObjectPath(device)),
             QVariant::fromValue(QDBusObjectPath(kNoObject))});
        if (activated.type() != QDBusMessage::ReplyMessage) {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName + QStringLiteral(" not re-activated (") +
                 BoundedBus::Describe(activated) + QLatin1Char(')'));
            return;
        }
        switched_.push_back({name, profileName, ObjectPath(activated.arguments().value(0)), QString()});
    }

    enum class State { Connecting, Up, Dropped };

    // Up only when NetworkManager says so and the profile holds an IPv4
    // address: with IPv6 configured as well, the daemon calls a profile
    // activated before its DHCP lease has come. Anything unread or
    // unfinished is not up.
    State Read(Switched& adapter) {
        if (bus_.OutOfTime()) {
            return State::Connecting;
        }
        const auto properties = Properties(adapter.activeConnection, kActiveInterface, adapter);
        if (!properties) {
            return State::Connecting;
        }
        enum ActiveState : unsigned { Activated = 2, Deactivating = 3, Deactivated = 4 };
        const unsigned state = properties->value(QStringLiteral("State")).toUInt();
        if (state == Deactivating || state == Deactivated) {
            return State::Dropped;
        }
        if (state != Activated) {
            return State::Connecting;
        }
        const auto ip4Config = properties->constFind(QStringLiteral("Ip4Config"));
        if (ip4Config == properties->constEnd()) {
            return State::Up;  // a daemon too old to say more
        }
        return HasIpv4Address(ObjectPath(*ip4Config), adapter) ? State::Up : State::Connecting;
    }

    // A read that the budget's end cut short (or never let out) says nothing
    // about the adapter, so it leaves the last real answer standing.
    std::optional<QVariantMap> Properties(const QString& path, const QString& interface, Switched& adapter) {
        QString error;
        auto properties = bus_.Properties(path, interface, error);
        if (properties) {
            adapter.lastError.clear();
        } else if (!bus_.OutOfTime()) {
            adapter.lastError = error;
        }
        return properties;
    }

    bool HasIpv4Address(const QString& ip4Config, Switched& adapter) {
        if (!IsObject(ip4Config)) {
            return false;
        }
        const auto properties = Properties(ip4Config, kIp4ConfigInterface, adapter);
        return properties &&
               !qdbus_cast<QList<QVariantMap>>(properties->value(QStringLiteral("AddressData"))).isEmpty();
    }

    // The router is asked for the login page right after this step, so the
    // adapters should have their DHCP leases by then; all of them are waited
    // for at once, until the budget ends.
    void WaitUntilUp() {
        constexpr unsigned long kPollMilliseconds = 100;
        while (!switched_.empty()) {
            for (auto adapter = switched_.begin(); adapter != switched_.end();) {
                const State state = IsObject(adapter->activeConnection) ? Read(*adapter) : State::Connecting;
                if (state == State::Up) {
                    ++outcome_.switchedToDhcp;
                } else if (state == State::Dropped) {
                    ++outcome_.failed;
                    log_(adapter->name + QStringLiteral(": profile ") + adapter->profileName +
                         QStringLiteral(" did not come up again"));
                } else {
                    ++adapter;
                    continue;
                }
                adapter = switched_.erase(adapter);
            }
            if (switched_.empty() || bus_.OutOfTime()) {
                break;
            }
            QThread::msleep(kPollMilliseconds);
        }
        for (const Switched& adapter : switched_) {
            ++outcome_.switchedWithoutAddress;
            log_(adapter.name + QStringLiteral(": switched to DHCP, ") +
                 (adapter.lastError.isEmpty()
                      ? QStringLiteral("no address yet")
                      : QStringLiteral("state not read (") + adapter.lastError + QLatin1Char(')')));
        }
    }

    BoundedBus& bus_;
    QList<unsigned> deviceTypes_;
    std::function<void(const QString&)> log_;
    NetworkManagerResetOutcome outcome_;
    std::vector<Switched> switched_;
    bool askedBefore_ = false;
};

}  // namespace

NetworkManagerResetOutcome ResetWiredProfilesToDhcp(const NetworkManagerResetOptions& options) {
    static const QMetaType registered = qDBusRegisterMetaType<ConnectionSettings>();
    Q_UNUSED(registered);
    const Log log = options.log ? options.log : Log(WriteToStandardError);
    NetworkManagerResetOutcome outcome;
    WithPrivateBus(options.busAddress, log, [&](QDBusConnection connection) {
        BoundedBus bus(std::move(connection), options.callTimeout, options.budget,
                       options.authorisationTimeout);
        outcome = Walk(bus, options, log).Run();
    });
    return outcome;
}
