// What the wizard changes in a NetworkManager connection profile to put a
// wired adapter on automatic addressing, the same change "netsh ... source=dhcp"
// makes on Windows: the IPv4 method becomes "auto" and the fixed addresses,
// gateway and name servers go, so that all of them come from the router.
// Plain data in and out; the bus is someone else's concern.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// NetworkManager's a{sa{sv}}: setting name -> (key -> value).
using ConnectionSettings = QMap<QString, QVariantMap>;

// NetworkManager's device types that matter here.
inline constexpr unsigned kDeviceTypeEthernet = 1;
inline constexpr unsigned kDeviceTypeWifi = 2;
inline constexpr unsigned kDeviceTypeVeth = 20;  // a virtual pair: the tests' adapters

QString Ipv4Method(const ConnectionSettings& settings);
bool UsesManualIpv4(const ConnectionSettings& settings);

// The profile as it is sent back: every other setting untouched (NetworkManager
// replaces the whole profile on update, so nothing may be left out).
ConnectionSettings WithAutomaticIpv4(ConnectionSettings settings);

// What the profile held before the change, e.g.
// "addresses 192.168.1.10/24, gateway 192.168.1.1, DNS 9.9.9.9".
QString DescribeFixedIpv4(const ConnectionSettings& settings);
// Just the fixed addresses, e.g. "192.168.1.10/24".
QStringList FixedIpv4Addresses(const ConnectionSettings& settings);
// The nmcli commands that put the profile back as it was and bring it up so.
QString UndoCommand(const ConnectionSettings& settings);
