#include "network_manager_reset.h"

#include <QDBusArgument>
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
        const auto settings = ReadProfile(bus_, profile, error);
        if (!settings) {
            Skip(name, QStringLiteral("profile not read"), error);
            return;
        }
        if (!UsesManualIpv4(*settings)) {
            return;
        }
        SwitchProfile(name, device, profile, *settings);
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
        const QVariantMap connection = settings.value(QStringLiteral("connection"));
        const QString id = connection.value(QStringLiteral("id")).toString();
        const QString profileName = QLatin1Char('"') + id + QLatin1Char('"');
        SayWhatMayBeAsked(name, profileName);
        const QDBusMessage updated = UpdateProfile(bus_, profile, WithAutomaticIpv4(settings));
        if (updated.type() != QDBusMessage::ReplyMessage) {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName +
                 QStringLiteral(" left on fixed addresses (") + BoundedBus::Describe(updated) +
                 QLatin1Char(')'));
            return;
        }
        const QString undo = UndoCommand(settings);
        log_(name + QStringLiteral(": profile ") + profileName +
             QStringLiteral(" switched from IPv4 method ") + Ipv4Method(settings) + QStringLiteral(" (") +
             DescribeFixedIpv4(settings) + QStringLiteral(") to auto (DHCP); to undo: ") + undo);
        SwitchedProfile changed;
        changed.adapter = name;
        changed.profileName = id;
        changed.uuid = connection.value(QStringLiteral("uuid")).toString();
        changed.profilePath = profile;
        changed.devicePath = device;
        changed.fixedAddresses = FixedIpv4Addresses(settings);
        changed.undoCommand = undo;
        changed.ipv4Before = settings.value(QStringLiteral("ipv4"));
        outcome_.changed.push_back(std::move(changed));
        const QDBusMessage activated = ActivateProfile(bus_, profile, device);
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
    const Log log = options.log ? options.log : Log(WriteToStandardError);
    NetworkManagerResetOutcome outcome;
    WithPrivateBus(options.busAddress, log, [&](QDBusConnection connection) {
        BoundedBus bus(std::move(connection), options.callTimeout, options.budget,
                       options.authorisationTimeout);
        outcome = Walk(bus, options, log).Run();
    });
    return outcome;
}

namespace {

// One profile back to its IPv4 setting as it was; everything else in it stays
// as it is now (the user may have changed it since).
ProfileRestoreOutcome Restore(BoundedBus& bus, const SwitchedProfile& profile, const Log& log) {
    const QString name =
        profile.adapter + QStringLiteral(": profile \"") + profile.profileName + QLatin1Char('"');
    const auto failed = [&](ProfileRestoreResult result, const QString& what, const QString& why) {
        log(name + QLatin1Char(' ') + what + QStringLiteral(" (") + why +
            QStringLiteral("); to undo by hand: ") + profile.undoCommand);
        return ProfileRestoreOutcome{result, why};
    };
    QString error;
    std::optional<ConnectionSettings> settings = ReadProfile(bus, profile.profilePath, error);
    if (!settings) {
        return failed(ProfileRestoreResult::Failed, QStringLiteral("not read, not put back"), error);
    }
    (*settings)[QStringLiteral("ipv4")] = profile.ipv4Before;
    const QDBusMessage updated = UpdateProfile(bus, profile.profilePath, *settings);
    if (updated.type() != QDBusMessage::ReplyMessage) {
        return failed(IsRefusal(updated) ? ProfileRestoreResult::Refused : ProfileRestoreResult::Failed,
                      QStringLiteral("not put back"), BoundedBus::Describe(updated));
    }
    const QDBusMessage activated = ActivateProfile(bus, profile.profilePath, profile.devicePath);
    if (activated.type() != QDBusMessage::ReplyMessage) {
        return failed(IsRefusal(activated) ? ProfileRestoreResult::Refused : ProfileRestoreResult::Failed,
                      QStringLiteral("put back but not re-activated"), BoundedBus::Describe(activated));
    }
    log(name + QStringLiteral(" put back to IPv4 method ") + Ipv4Method(*settings) + QStringLiteral(" (") +
        DescribeFixedIpv4(*settings) + QStringLiteral(") and re-activated"));
    return {ProfileRestoreResult::Restored, QString()};
}

}  // namespace

std::vector<ProfileRestoreOutcome> RestoreSwitchedProfiles(const SwitchedProfiles& profiles,
                                                           const NetworkManagerResetOptions& options) {
    const Log log = options.log ? options.log : Log(WriteToStandardError);
    std::vector<ProfileRestoreOutcome> outcomes;
    WithPrivateBus(options.busAddress, log, [&](QDBusConnection connection) {
        BoundedBus bus(std::move(connection), options.callTimeout, options.budget,
                       options.authorisationTimeout);
        for (const SwitchedProfile& profile : profiles) {
            outcomes.push_back(Restore(bus, profile, log));
        }
    });
    // Without a bus nothing was tried: each profile stays as it is.
    while (outcomes.size() < profiles.size()) {
        const SwitchedProfile& profile = profiles[outcomes.size()];
        log(profile.adapter + QStringLiteral(": profile \"") + profile.profileName +
            QStringLiteral("\" not put back; to undo by hand: ") + profile.undoCommand);
        outcomes.push_back({ProfileRestoreResult::Failed, QStringLiteral("system bus not reached")});
    }
    return outcomes;
}
