#include "network_manager_bus.h"

#include <QAtomicInteger>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>

#include <algorithm>
#include <cstdio>

namespace network_manager {

namespace {

const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage Message(const QString& path, const QString& interface, const QString& method,
                     const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    return message;
}

QString NextConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("qelvane-network-manager-") + QString::number(counter.fetchAndAddRelaxed(1));
}

}  // namespace

BoundedBus::BoundedBus(QDBusConnection bus, std::chrono::milliseconds callTimeout,
                       std::chrono::milliseconds budget, std::chrono::milliseconds authorisationTimeout)
    : bus_(std::move(bus)),
      callTimeout_(callTimeout),
      authorisationTimeout_(authorisationTimeout),
      deadline_(Clock::now() + budget) {}

QDBusMessage BoundedBus::Call(const QString& path, const QString& interface, const QString& method,
                              const QVariantList& arguments) {
    // Rounded up: a budget with less than a millisecond left is not out of
    // time yet (OutOfTime says so too), and its call gets that millisecond.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now());
    QDBusMessage message = Message(path, interface, method, arguments);
    if (left.count() <= 0) {
        return message.createErrorReply(QDBusError::Timeout,
                                        QStringLiteral("out of time for NetworkManager"));
    }
    return bus_.call(message, QDBus::Block, static_cast<int>(std::min(left, callTimeout_).count()));
}

QDBusMessage BoundedBus::CallAllowingAuthorisation(const QString& path, const QString& interface,
                                                   const QString& method, const QVariantList& arguments) {
    QDBusMessage message = Message(path, interface, method, arguments);
    message.setInteractiveAuthorizationAllowed(true);
    const auto start = Clock::now();
    QDBusMessage reply = bus_.call(message, QDBus::Block, static_cast<int>(authorisationTimeout_.count()));
    deadline_ += Clock::now() - start;
    return reply;
}

std::optional<QVariantMap> BoundedBus::Properties(const QString& path, const QString& interface,
                                                  QString& error) {
    const QDBusMessage reply = Call(path, kPropertiesInterface, QStringLiteral("GetAll"), {interface});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        error = Describe(reply);
        return std::nullopt;
    }
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
}

std::optional<QStringList> BoundedBus::Devices(QString& error) {
    const QDBusMessage reply = Call(kManagerPath, kManagerInterface, QStringLiteral("GetDevices"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        error = Describe(reply);
        return std::nullopt;
    }
    QStringList paths;
    for (const QDBusObjectPath& device : qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst())) {
        paths << device.path();
    }
    return paths;
}

QString BoundedBus::Describe(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
    }
    return QStringLiteral("unexpected reply");
}

std::optional<ConnectionSettings> ReadProfile(BoundedBus& bus, const QString& profile, QString& error) {
    const QDBusMessage reply = bus.Call(profile, kProfileInterface, QStringLiteral("GetSettings"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        error = BoundedBus::Describe(reply);
        return std::nullopt;
    }
    return qdbus_cast<ConnectionSettings>(reply.arguments().constFirst());
}

// Update2 with no storage flag keeps a profile where it is stored (one kept
// only in memory stays there); Update, for daemons without Update2, writes it
// to disk.
QDBusMessage UpdateProfile(BoundedBus& bus, const QString& profile, const ConnectionSettings& settings) {
    const QVariant changed = QVariant::fromValue(settings);
    QDBusMessage reply = bus.CallAllowingAuthorisation(profile, kProfileInterface, QStringLiteral("Update2"),
                                                       {changed, 0u, QVariantMap()});
    if (reply.type() == QDBusMessage::ErrorMessage &&
        reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        reply =
            bus.CallAllowingAuthorisation(profile, kProfileInterface, QStringLiteral("Update"), {changed});
    }
    return reply;
}

QDBusMessage ActivateProfile(BoundedBus& bus, const QString& profile, const QString& device) {
    return bus.CallAllowingAuthorisation(
        kManagerPath, kManagerInterface, QStringLiteral("ActivateConnection"),
        {QVariant::fromValue(QDBusObjectPath(profile)), QVariant::fromValue(QDBusObjectPath(device)),
         QVariant::fromValue(QDBusObjectPath(kNoObject))});
}

bool IsRefusal(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    return reply.type() == QDBusMessage::ErrorMessage &&
           (name.endsWith(QLatin1String(".PermissionDenied")) ||
            name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied"));
}

QString ObjectPath(const QVariant& value) {
    return value.value<QDBusObjectPath>().path();
}

bool IsObject(const QString& path) {
    return !path.isEmpty() && path != kNoObject;
}

void WriteToStandardError(const QString& line) {
    std::fprintf(stderr, "Qelvane: %s\n", line.toLocal8Bit().constData());
}

bool WithPrivateBus(const QString& busAddress, const Log& log,
                    const std::function<void(QDBusConnection)>& walk) {
    static const QMetaType registered = qDBusRegisterMetaType<ConnectionSettings>();
    Q_UNUSED(registered);
    // A private connection: it is closed again below, and never shared with
    // anything else in the program.
    const QString connectionName = NextConnectionName();
    bool reached = false;
    {
        // DBUS_SYSTEM_BUS_ADDRESS is read here, every time, rather than by
        // libdbus, which keeps the first value it saw for the process.
        QString address = busAddress;
        if (address.isEmpty()) {
            address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
        }
        QDBusConnection bus = address.isEmpty()
                                  ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName)
                                  : QDBusConnection::connectToBus(address, connectionName);
        reached = bus.isConnected();
        if (!reached) {
            log(QStringLiteral("system bus not reached, adapters left as they are (") +
                bus.lastError().message() + QLatin1Char(')'));
        } else {
            walk(bus);
        }
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return reached;
}

}  // namespace network_manager
