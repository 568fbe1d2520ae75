#include "network_manager_reset.h"

#include <QAtomicInteger>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "dhcp_profile.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString kProfileInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kNoObject = QStringLiteral("/");

using Clock = std::chrono::steady_clock;

void WriteToStandardError(const QString& line) {
    std::fprintf(stderr, "Qelvane: %s\n", line.toLocal8Bit().constData());
}

// Blocking calls, each bounded by the call time-out and by what is left of
// the walk's budget, so a hung NetworkManager costs seconds, not the task.
class BoundedBus {
public:
    BoundedBus(QDBusConnection bus, const NetworkManagerResetOptions& options)
        : bus_(std::move(bus)), callTimeout_(options.callTimeout), deadline_(Clock::now() + options.budget) {}

    // The reply, or an error message whose text says why.
    QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
        message.setArguments(arguments);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
        if (left.count() <= 0) {
            return message.createErrorReply(QDBusError::Timeout, QStringLiteral("out of time for the adapter reset"));
        }
        return bus_.call(message, QDBus::Block, static_cast<int>(std::min(left, callTimeout_).count()));
    }

    std::optional<QVariantMap> Properties(const QString& path, const QString& interface, QString& error) {
        const QDBusMessage reply = Call(path, kPropertiesInterface, QStringLiteral("GetAll"), {interface});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            error = Describe(reply);
            return std::nullopt;
        }
        return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    }

    bool OutOfTime() const { return Clock::now() >= deadline_; }

    static QString Describe(const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage) {
            return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
        }
        return QStringLiteral("unexpected reply");
    }

private:
    QDBusConnection bus_;
    std::chrono::milliseconds callTimeout_;
    Clock::time_point deadline_;
};

QString ObjectPath(const QVariant& value) {
    return value.value<QDBusObjectPath>().path();
}

class Walk {
public:
    Walk(BoundedBus& bus, std::function<void(const QString&)> log) : bus_(bus), log_(std::move(log)) {}

    NetworkManagerResetOutcome Run() {
        const QDBusMessage reply = bus_.Call(kManagerPath, kManagerInterface, QStringLiteral("GetDevices"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            log_(QStringLiteral("NetworkManager not reached, adapters left as they are (") +
                 BoundedBus::Describe(reply) + QLatin1Char(')'));
            return outcome_;
        }
        outcome_.reachedNetworkManager = true;
        const auto devices = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
        for (const QDBusObjectPath& device : devices) {
            ResetDevice(device.path());
        }
        return outcome_;
    }

private:
    void ResetDevice(const QString& device) {
        QString error;
        const auto properties = bus_.Properties(device, kDeviceInterface, error);
        if (!properties) {
            log_(device + QStringLiteral(": not read (") + error + QLatin1Char(')'));
            return;
        }
        if (properties->value(QStringLiteral("DeviceType")).toUInt() != kDeviceTypeEthernet ||
            !properties->value(QStringLiteral("Managed")).toBool()) {
            return;
        }
        const QString name = properties->value(QStringLiteral("Interface")).toString();
        const QString active = ObjectPath(properties->value(QStringLiteral("ActiveConnection")));
        if (active.isEmpty() || active == kNoObject) {
            // No profile is in use: nothing holds the adapter to fixed addresses.
            return;
        }
        const auto activeProperties = bus_.Properties(active, kActiveInterface, error);
        if (!activeProperties) {
            log_(name + QStringLiteral(": active profile not read (") + error + QLatin1Char(')'));
            return;
        }
        const QString profile = ObjectPath(activeProperties->value(QStringLiteral("Connection")));
        const QDBusMessage settingsReply = bus_.Call(profile, kProfileInterface, QStringLiteral("GetSettings"));
        if (settingsReply.type() != QDBusMessage::ReplyMessage || settingsReply.arguments().isEmpty()) {
            log_(name + QStringLiteral(": profile not read (") + BoundedBus::Describe(settingsReply) +
                 QLatin1Char(')'));
            return;
        }
        const auto settings = qdbus_cast<ConnectionSettings>(settingsReply.arguments().constFirst());
        if (!UsesManualIpv4(settings)) {
            return;
        }
        SwitchProfile(name, device, profile, settings);
    }

    void SwitchProfile(const QString& name, const QString& device, const QString& profile,
                       const ConnectionSettings& settings) {
        const QString profileName =
            QLatin1Char('"') + settings.value(QStringLiteral("connection")).value(QStringLiteral("id")).toString() +
            QLatin1Char('"');
        const QDBusMessage updated = bus_.Call(profile, kProfileInterface, QStringLiteral("Update"),
                                               {QVariant::fromValue(WithAutomaticIpv4(settings))});
        if (updated.type() != QDBusMessage::ReplyMessage) {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName + QStringLiteral(" left on fixed addresses (") +
                 BoundedBus::Describe(updated) + QLatin1Char(')'));
            return;
        }
        log_(name + QStringLiteral(": profile ") + profileName + QStringLiteral(" switched from IPv4 method ") +
             Ipv4Method(settings) + QStringLiteral(" (") + DescribeFixedIpv4(settings) +
             QStringLiteral(") to auto (DHCP); to undo: ") + UndoCommand(settings));
        const QDBusMessage activated =
            bus_.Call(kManagerPath, kManagerInterface, QStringLiteral("ActivateConnection"),
                      {QVariant::fromValue(QDBusObjectPath(profile)), QVariant::fromValue(QDBusObjectPath(device)),
                       QVariant::fromValue(QDBusObjectPath(kNoObject))});
        if (activated.type() != QDBusMessage::ReplyMessage) {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName + QStringLiteral(" not re-activated (") +
                 BoundedBus::Describe(activated) + QLatin1Char(')'));
            return;
        }
        if (WaitUntilUp(ObjectPath(activated.arguments().value(0)))) {
            ++outcome_.switchedToDhcp;
        } else {
            ++outcome_.failed;
            log_(name + QStringLiteral(": profile ") + profileName + QStringLiteral(" did not come up again"));
        }
    }

    // The router is asked for the login page right after this step, so the
    // adapter should have its DHCP lease by then; the wait ends with the
    // budget all the same, and a profile still connecting counts as done.
    bool WaitUntilUp(const QString& activeConnection) {
        enum ActiveState : unsigned { Activated = 2, Deactivating = 3, Deactivated = 4 };
        constexpr unsigned long kPollMilliseconds = 200;
        while (!activeConnection.isEmpty()) {
            QString error;
            const auto properties = bus_.Properties(activeConnection, kActiveInterface, error);
            if (!properties) {
                return true;
            }
            const unsigned state = properties->value(QStringLiteral("State")).toUInt();
            if (state == Activated) {
                return true;
            }
            if (state == Deactivating || state == Deactivated) {
                return false;
            }
            if (bus_.OutOfTime()) {
                return true;
            }
            QThread::msleep(kPollMilliseconds);
        }
        return true;
    }

    BoundedBus& bus_;
    std::function<void(const QString&)> log_;
    NetworkManagerResetOutcome outcome_;
};

QString NextConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("qelvane-adapter-reset-") + QString::number(counter.fetchAndAddRelaxed(1));
}

}  // namespace

NetworkManagerResetOutcome ResetWiredProfilesToDhcp(const NetworkManagerResetOptions& options) {
    static const QMetaType registered = qDBusRegisterMetaType<ConnectionSettings>();
    Q_UNUSED(registered);
    const auto log = options.log ? options.log : std::function<void(const QString&)>(WriteToStandardError);

    // A private connection: it is closed again below, and never shared with
    // anything else in the program.
    const QString connectionName = NextConnectionName();
    NetworkManagerResetOutcome outcome;
    {
        // DBUS_SYSTEM_BUS_ADDRESS is read here, at every reset, rather than
        // by libdbus, which keeps the first value it saw for the process.
        QString address = options.busAddress;
        if (address.isEmpty()) {
            address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
        }
        QDBusConnection bus = address.isEmpty()
                                  ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName)
                                  : QDBusConnection::connectToBus(address, connectionName);
        if (!bus.isConnected()) {
            log(QStringLiteral("system bus not reached, adapters left as they are (") + bus.lastError().message() +
                QLatin1Char(')'));
        } else {
            BoundedBus bounded(bus, options);
            outcome = Walk(bounded, log).Run();
        }
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return outcome;
}
