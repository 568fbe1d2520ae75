// The real NetworkManager daemon as a test peer: in a network and mount
// namespace of the test's own (real_network_manager.sh), with veth pairs for
// adapters, dnsmasq handing out leases on the far side where asked, and a
// private dbus-daemon that the daemon and every client of the test use. The
// machine's own system bus, resolv.conf and connection profiles are checked
// to be unchanged when the fixture ends.
//
// Where no namespace can be made (not root) or the packages are missing,
// SkipReason() says why, and the test skips saying so.
#pragma once

#include <QByteArray>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <sys/types.h>

#include "dhcp_profile.h"

struct RealAdapter {
    QString name;        // the adapter the daemon manages, e.g. "qvt0"
    QString farAddress;  // the far end's address/prefix, e.g. "10.78.0.1/24"
    bool dhcpServer = true;
    bool startsConnected = true;  // a profile of its own comes up at start
};

class RealNetworkManager {
public:
    RealNetworkManager();
    ~RealNetworkManager();
    RealNetworkManager(const RealNetworkManager&) = delete;
    RealNetworkManager& operator=(const RealNetworkManager&) = delete;

    // Why the daemon cannot be run here; empty where it can.
    static QString SkipReason();

    // Before Start(): a keyfile profile, on disk or kept only in memory.
    void AddProfile(const QString& id, const QString& keyfile, bool inMemory = false);
    // Starts everything; false (having said why) when the daemon did not come up.
    bool Start(const QList<RealAdapter>& adapters, const QString& authPolkit = QStringLiteral("false"));

    QString address() const { return address_; }
    pid_t daemonPid() const { return daemonPid_; }
    // The namespace's network, for setns().
    QString NetworkNamespace() const;

    // A command run inside the namespace (nmcli talks to the private bus);
    // its standard output.
    QString Run(const QString& shellCommand);
    QString DevicePath(const QString& name);
    QString ActiveConnectionOf(const QString& name);
    QString ProfilePath(const QString& id);
    ConnectionSettings ProfileSettings(const QString& id);
    QVariantMap ProfileProperties(const QString& id);
    // The adapter's IPv4 addresses (a.b.c.d/n), read from the kernel.
    QStringList Ipv4Addresses(const QString& name);
    QString Logs() const;

private:
    QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    QByteArray HostState() const;

    QTemporaryDir directory_;
    QProcess namespace_;
    QString address_;
    QString connectionName_;
    pid_t shellPid_ = 0;
    pid_t daemonPid_ = 0;
    QByteArray hostStateBefore_;
};
