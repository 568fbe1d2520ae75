// A message bus of the test's own, with python3-dbusmock's NetworkManager on
// it when asked. The machine's system bus is never used: the fixture refuses
// to hand out an address that is not the socket in its own directory.
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

#include "dhcp_profile.h"

class PrivateSystemBus {
public:
    PrivateSystemBus();
    ~PrivateSystemBus();
    PrivateSystemBus(const PrivateSystemBus&) = delete;
    PrivateSystemBus& operator=(const PrivateSystemBus&) = delete;

    // Empty when the bus could not be started (or was not our own).
    const QString& address() const { return address_; }
    bool StartNetworkManager();

    // The mock's own controls.
    QString AddEthernetDevice(const QString& name);
    QString AddWifiDevice(const QString& name);
    QString AddProfile(const QString& id, const ConnectionSettings& ipv4AndMore);
    void Activate(const QString& device, const QString& profile, const QString& name);
    // Replaces a method of a mocked object by python code (dbusmock's AddMethod).
    void ReplaceMethod(const QString& path, const QString& interface, const QString& method,
                       const QString& inSignature, const QString& outSignature, const QString& code);

    // The names of the methods called on the manager object so far (dbusmock's
    // call log), the mock's own controls included.
    QStringList ManagerCalls();

    ConnectionSettings ProfileSettings(const QString& profile);
    QString ActiveConnectionOf(const QString& device);

private:
    QDBusMessage CallMock(const QString& path, const QString& interface, const QString& method,
                          const QVariantList& arguments);

    QTemporaryDir directory_;
    QProcess daemon_;
    QProcess networkManager_;
    QString address_;
    QString connectionName_;
};
