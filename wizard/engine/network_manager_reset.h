// The Linux side of the adapter reset: every managed wired device whose active
// profile has fixed IPv4 addresses is switched to automatic addressing (DHCP)
// through NetworkManager's D-Bus interface and re-activated. Wi-Fi and other
// devices, and profiles already on DHCP, are left as they are.
//
// Every qualifying profile is switched first, then all of them are waited for
// together, so an adapter cabled to nothing cannot use up the time of the one
// cabled to the router. Nothing here may hold up the link task for long: the
// reads and the wait for the leases share a budget; only the calls that may
// ask the user for an administrator's password get the time to type it.
// Anything that goes wrong (no bus, no NetworkManager, authorisation refused,
// a profile that will not come up) is logged and counted. What was changed is
// logged with the command that undoes it, and handed back, so that the user
// can have it put back the same way.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

#include "dhcp_profile.h"
#include "switched_profile.h"

struct NetworkManagerResetOptions {
    // Empty: the system bus (DBUS_SYSTEM_BUS_ADDRESS, when set, names it).
    QString busAddress;
    std::chrono::milliseconds callTimeout{2000};
    // Reading the devices and waiting for the leases; time spent waiting for
    // the user to authorise a change is not counted.
    std::chrono::milliseconds budget{5000};
    // Updating and activating a profile: long enough to type a password.
    std::chrono::milliseconds authorisationTimeout{60000};
    // NetworkManager DeviceType numbers of the adapters to handle: Ethernet (1)
    // on a user's PC; tests add veth (20).
    QList<unsigned> deviceTypes{kDeviceTypeEthernet};
    // One line per event; empty writes to standard error.
    std::function<void(const QString&)> log;
};

struct NetworkManagerResetOutcome {
    bool reachedNetworkManager = false;
    int switchedToDhcp = 0;          // profiles changed, re-activated and up with an IPv4 address
    int switchedWithoutAddress = 0;  // changed and re-activated, but no address confirmed in time
    int failed = 0;                  // manual profiles that could not be changed or re-activated
    // Adapters that could not be examined: the interface name, or the device's
    // object path where not even the name could be read.
    QStringList skipped;
    // Every profile that was changed, whether or not it came up again.
    SwitchedProfiles changed;
};

NetworkManagerResetOutcome ResetWiredProfilesToDhcp(const NetworkManagerResetOptions& options = {});

// Puts profiles the reset switched back as they were: each profile's IPv4
// setting as it was before (the rest of it as it is now), then the profile
// brought up again on the same device. The same bounds as the reset's, the
// same leave to ask for a password; each outcome is logged (with the undo
// command where the profile stays switched). One outcome per profile, in order.
std::vector<ProfileRestoreOutcome> RestoreSwitchedProfiles(const SwitchedProfiles& profiles,
                                                           const NetworkManagerResetOptions& options = {});
