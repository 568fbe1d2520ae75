#include "network_manager_links.h"

#include <QDBusArgument>

#include <algorithm>

#include "network_manager_bus.h"

namespace {

using namespace network_manager;

// NetworkManager's device state for an adapter it cannot use, which for a
// wired one means no carrier, and the bits of InterfaceFlags that tell a
// link: the kernel's lower-up, and the daemon's own carrier.
constexpr unsigned kDeviceStateUnavailable = 20;
constexpr unsigned kInterfaceFlagLowerUp = 0x2;
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
        if (!properties) {
            ++links_.adapters;  // unread, so it may be the one cabled to the router
            return;
        }
        // An adapter the daemon leaves alone is one whose link it does not
        // follow (its flags stay as they were), and one the reset leaves
        // alone too: only managed ones are read.
        if (!deviceTypes_.contains(properties->value(QStringLiteral("DeviceType")).toUInt()) ||
            !properties->value(QStringLiteral("Managed")).toBool()) {
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

    // InterfaceFlags carries the kernel's lower-up and the daemon's carrier.
    // Where a daemon has no such property
    // (older ones, and some stand-ins that call every adapter carrier-less),
    // only one it holds unavailable and reports without a carrier counts.
    // Anything unread is not unplugged.
    bool Unplugged(const QString& device, const QVariantMap& properties) {
        const auto flags = properties.constFind(QStringLiteral("InterfaceFlags"));
        if (flags != properties.constEnd()) {
            return (flags->toUInt() & (kInterfaceFlagLowerUp | kInterfaceFlagCarrier)) == 0;
        }
        if (properties.value(QStringLiteral("State")).toUInt() != kDeviceStateUnavailable) {
            return false;
        }
        QString error;
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
