#include "network_manager_links.h"

#include <QDBusArgument>

#include <algorithm>

#include "network_manager_bus.h"

namespace {

using namespace network_manager;

// NetworkManager's device state for an adapter it cannot use, which for a
// wired one means no carrier, and the carrier bit of InterfaceFlags.
constexpr unsigned kDeviceStateUnavailable = 20;
constexpr unsigned kInterfaceFlagCarrier = 0x10000;

class LinkReader {
public:
    LinkReader(BoundedBus& bus, const NetworkManagerResetOptions& options, Log log)
        : bus_(bus), deviceTypes_(options.deviceTypes), log_(std::move(log)) {}

    WiredLinks Run() {
        QString error;
        const auto devices = bus_.Devices(error);
        if (devices) {
            for (const QString& device : *devices) {
                Read(device);
            }
        }
        return links_;
    }

private:
    void Read(const QString& device) {
        QString error;
        const auto properties = bus_.Properties(device, kDeviceInterface, error);
        if (!properties || !deviceTypes_.contains(properties->value(QStringLiteral("DeviceType")).toUInt())) {
            return;
        }
        ++links_.adapters;
        const QString name = properties->value(QStringLiteral("Interface")).toString();
        if (Unplugged(device, *properties)) {
            ++links_.withoutCarrier;
            log_(name + QStringLiteral(": no carrier (no cable, or the other end switched off)"));
            return;
        }
        const QString ip4Config = ObjectPath(properties->value(QStringLiteral("Ip4Config")));
        if (IsObject(ip4Config)) {
            if (const auto ip4 = bus_.Properties(ip4Config, kIp4ConfigInterface, error)) {
                Add(ip4->value(QStringLiteral("Gateway")).toString());
            }
        }
        const QString dhcp4Config = ObjectPath(properties->value(QStringLiteral("Dhcp4Config")));
        if (IsObject(dhcp4Config)) {
            if (const auto dhcp4 = bus_.Properties(dhcp4Config, kDhcp4ConfigInterface, error)) {
                const auto options = qdbus_cast<QVariantMap>(dhcp4->value(QStringLiteral("Options")));
                for (const QString& router :
                     options.value(QStringLiteral("routers")).toString().split(u' ', Qt::SkipEmptyParts)) {
                    Add(router);
                }
                Add(options.value(QStringLiteral("dhcp_server_identifier")).toString());
            }
        }
    }

    // Only an adapter the daemon holds unavailable AND reports without a
    // carrier counts: either alone is no proof (an adapter that is up says
    // nothing of its cable on some daemons). Anything unread is not unplugged.
    bool Unplugged(const QString& device, const QVariantMap& properties) {
        if (properties.value(QStringLiteral("State")).toUInt() != kDeviceStateUnavailable) {
            return false;
        }
        const auto flags = properties.constFind(QStringLiteral("InterfaceFlags"));
        if (flags != properties.constEnd()) {
            return (flags->toUInt() & kInterfaceFlagCarrier) == 0;
        }
        QString error;  // a daemon older than InterfaceFlags
        const auto wired = bus_.Properties(device, kWiredInterface, error);
        return wired && wired->contains(QStringLiteral("Carrier")) &&
               !wired->value(QStringLiteral("Carrier")).toBool();
    }

    void Add(const QString& address) {
        const std::string dotted = address.trimmed().toStdString();
        if (!dotted.empty() &&
            std::find(links_.routers.begin(), links_.routers.end(), dotted) == links_.routers.end()) {
            links_.routers.push_back(dotted);
        }
    }

    BoundedBus& bus_;
    QList<unsigned> deviceTypes_;
    Log log_;
    WiredLinks links_;
};

}  // namespace

WiredLinks ReadWiredLinks(const NetworkManagerResetOptions& options) {
    const Log log = options.log ? options.log : Log(WriteToStandardError);
    WiredLinks links;
    // Without a bus nothing is known and nothing is said: the reset says it.
    WithPrivateBus(
        options.busAddress, [](const QString&) {},
        [&](QDBusConnection connection) {
            BoundedBus bus(std::move(connection), options.callTimeout, options.budget);
            links = LinkReader(bus, options, log).Run();
        });
    return links;
}
