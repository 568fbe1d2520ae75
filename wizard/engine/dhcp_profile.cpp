#include "dhcp_profile.h"

#include <QDBusArgument>
#include <QStringList>
#include <QtEndian>

namespace {

const QString kIpv4 = QStringLiteral("ipv4");

// Keys that pin IPv4 to fixed values. "addresses" and "dns" are the old
// integer forms, "address-data" and "dns-data" the newer ones; a profile may
// carry either. ignore-auto-dns would keep the router's name servers out.
const QStringList kFixedIpv4Keys = {
    QStringLiteral("addresses"), QStringLiteral("address-data"), QStringLiteral("gateway"),
    QStringLiteral("dns"),       QStringLiteral("dns-data"),     QStringLiteral("ignore-auto-dns"),
};

// Values nested in the profile arrive from the bus as QDBusArgument; values
// built by hand are plain. Both read the same here.
template <typename T>
T Unwrap(const QVariant& value) {
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        return qdbus_cast<T>(value.value<QDBusArgument>());
    }
    return value.value<T>();
}

// The old integer forms hold addresses in network byte order.
QString AddressFromWire(quint32 networkOrder) {
    const quint32 address = qFromBigEndian(networkOrder);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

QStringList Addresses(const QVariantMap& ipv4) {
    QStringList addresses;
    for (const QVariantMap& entry : Unwrap<QList<QVariantMap>>(ipv4.value(QStringLiteral("address-data")))) {
        addresses << entry.value(QStringLiteral("address")).toString() + QLatin1Char('/') +
                         QString::number(entry.value(QStringLiteral("prefix")).toUInt());
    }
    if (addresses.isEmpty()) {
        // [address, prefix, gateway] triples.
        for (const QList<quint32>& triple :
             Unwrap<QList<QList<quint32>>>(ipv4.value(QStringLiteral("addresses")))) {
            if (triple.size() >= 2) {
                addresses << AddressFromWire(triple[0]) + QLatin1Char('/') + QString::number(triple[1]);
            }
        }
    }
    return addresses;
}

QStringList NameServers(const QVariantMap& ipv4) {
    QStringList servers = Unwrap<QStringList>(ipv4.value(QStringLiteral("dns-data")));
    if (servers.isEmpty()) {
        for (quint32 server : Unwrap<QList<quint32>>(ipv4.value(QStringLiteral("dns")))) {
            servers << AddressFromWire(server);
        }
    }
    return servers;
}

QString Quoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace

QString Ipv4Method(const ConnectionSettings& settings) {
    return settings.value(kIpv4).value(QStringLiteral("method")).toString();
}

bool UsesManualIpv4(const ConnectionSettings& settings) {
    return Ipv4Method(settings) == QLatin1String("manual");
}

ConnectionSettings WithAutomaticIpv4(ConnectionSettings settings) {
    QVariantMap& ipv4 = settings[kIpv4];
    for (const QString& key : kFixedIpv4Keys) {
        ipv4.remove(key);
    }
    ipv4.insert(QStringLiteral("method"), QStringLiteral("auto"));
    return settings;
}

QStringList FixedIpv4Addresses(const ConnectionSettings& settings) {
    return Addresses(settings.value(kIpv4));
}

QString DescribeFixedIpv4(const ConnectionSettings& settings) {
    const QVariantMap ipv4 = settings.value(kIpv4);
    QStringList parts;
    const QStringList addresses = Addresses(ipv4);
    if (!addresses.isEmpty()) {
        parts << QStringLiteral("addresses ") + addresses.join(QStringLiteral(" "));
    }
    const QString gateway = ipv4.value(QStringLiteral("gateway")).toString();
    if (!gateway.isEmpty()) {
        parts << QStringLiteral("gateway ") + gateway;
    }
    const QStringList servers = NameServers(ipv4);
    if (!servers.isEmpty()) {
        parts << QStringLiteral("DNS ") + servers.join(QStringLiteral(" "));
    }
    return parts.isEmpty() ? QStringLiteral("no fixed addresses") : parts.join(QStringLiteral(", "));
}

QString UndoCommand(const ConnectionSettings& settings) {
    const QVariantMap connection = settings.value(QStringLiteral("connection"));
    QString profile = connection.value(QStringLiteral("uuid")).toString();
    if (profile.isEmpty()) {
        profile = connection.value(QStringLiteral("id")).toString();
    }
    const QVariantMap ipv4 = settings.value(kIpv4);
    QString command = QStringLiteral("nmcli connection modify ") + Quoted(profile) +
                      QStringLiteral(" ipv4.method ") + Quoted(Ipv4Method(settings));
    const QStringList addresses = Addresses(ipv4);
    if (!addresses.isEmpty()) {
        command += QStringLiteral(" ipv4.addresses ") + Quoted(addresses.join(QLatin1Char(',')));
    }
    const QString gateway = ipv4.value(QStringLiteral("gateway")).toString();
    if (!gateway.isEmpty()) {
        command += QStringLiteral(" ipv4.gateway ") + Quoted(gateway);
    }
    const QStringList servers = NameServers(ipv4);
    if (!servers.isEmpty()) {
        command += QStringLiteral(" ipv4.dns ") + Quoted(servers.join(QLatin1Char(',')));
    }
    if (ipv4.value(QStringLiteral("ignore-auto-dns")).toBool()) {
        command += QStringLiteral(" ipv4.ignore-auto-dns yes");
    }
    // A change to a profile takes effect only when the profile comes up again.
    return command + QStringLiteral(" && nmcli connection up ") + Quoted(profile);
}
