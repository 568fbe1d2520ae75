// What every talk with NetworkManager here shares: a private connection to
// the system bus (or the one a caller names), closed again when done, and
// calls that are bounded by a time-out each and by a budget for the whole
// walk, so that a hung daemon costs the link task seconds, not the task.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <chrono>
#include <functional>
#include <optional>

#include "dhcp_profile.h"

namespace network_manager {

inline const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString kManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString kWiredInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wired");
inline const QString kActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString kIp4ConfigInterface = QStringLiteral("org.freedesktop.NetworkManager.IP4Config");
inline const QString kDhcp4ConfigInterface = QStringLiteral("org.freedesktop.NetworkManager.DHCP4Config");
inline const QString kProfileInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString kNoObject = QStringLiteral("/");

using Clock = std::chrono::steady_clock;
using Log = std::function<void(const QString&)>;

// Blocking calls. Reads are bounded by the call time-out and by what is left
// of the budget. Calls that change a profile may make polkit ask the user for
// a password: they get the time to type it, and that time does not count
// against the budget.
class BoundedBus {
public:
    BoundedBus(QDBusConnection bus, std::chrono::milliseconds callTimeout, std::chrono::milliseconds budget,
               std::chrono::milliseconds authorisationTimeout = {});

    // The reply, or an error message whose text says why.
    QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    QDBusMessage CallAllowingAuthorisation(const QString& path, const QString& interface,
                                           const QString& method, const QVariantList& arguments);
    std::optional<QVariantMap> Properties(const QString& path, const QString& interface, QString& error);
    // The object paths of every device the daemon knows; nothing when it did
    // not answer (`error` says why).
    std::optional<QStringList> Devices(QString& error);

    bool OutOfTime() const { return Clock::now() >= deadline_; }

    static QString Describe(const QDBusMessage& reply);

private:
    QDBusConnection bus_;
    std::chrono::milliseconds callTimeout_;
    std::chrono::milliseconds authorisationTimeout_;
    Clock::time_point deadline_;
};

// A profile's settings (GetSettings, bounded like any read); nothing when it
// could not be read (`error` says why).
std::optional<ConnectionSettings> ReadProfile(BoundedBus& bus, const QString& profile, QString& error);
// Replaces a profile's settings, leaving it where it is stored, and brings a
// profile up on a device: both may ask the user for a password.
QDBusMessage UpdateProfile(BoundedBus& bus, const QString& profile, const ConnectionSettings& settings);
QDBusMessage ActivateProfile(BoundedBus& bus, const QString& profile, const QString& device);
// An error reply that says the caller was not allowed (polkit said no, or
// the user did not give the password).
bool IsRefusal(const QDBusMessage& reply);

QString ObjectPath(const QVariant& value);
bool IsObject(const QString& path);

// Standard error, where no log was given.
void WriteToStandardError(const QString& line);

// Runs `walk` on a private connection to `busAddress` (empty: the system bus,
// DBUS_SYSTEM_BUS_ADDRESS naming it when set), closed again afterwards; false,
// having logged why, when the bus was not reached.
bool WithPrivateBus(const QString& busAddress, const Log& log,
                    const std::function<void(QDBusConnection)>& walk);

}  // namespace network_manager
