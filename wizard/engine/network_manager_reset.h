// The Linux side of the adapter reset: every managed wired device whose active
// profile has fixed IPv4 addresses is switched to automatic addressing (DHCP)
// through NetworkManager's D-Bus interface and re-activated. Wi-Fi and other
// devices, and profiles already on DHCP, are left as they are.
//
// Nothing here may hold up the link task: every call has a time-out and the
// whole walk a budget; anything that goes wrong (no bus, no NetworkManager,
// authorisation refused, a profile that will not come up) is logged and
// skipped. What was changed is logged with the command that undoes it.
#pragma once

#include <QString>

#include <chrono>
#include <functional>

struct NetworkManagerResetOptions {
    // Empty: the system bus (DBUS_SYSTEM_BUS_ADDRESS, when set, names it).
    QString busAddress;
    std::chrono::milliseconds callTimeout{2000};
    std::chrono::milliseconds budget{5000};
    // One line per event; empty writes to standard error.
    std::function<void(const QString&)> log;
};

struct NetworkManagerResetOutcome {
    bool reachedNetworkManager = false;
    int switchedToDhcp = 0;  // profiles changed and re-activated
    int failed = 0;          // wired manual profiles that could not be changed or re-activated
};

NetworkManagerResetOutcome ResetWiredProfilesToDhcp(const NetworkManagerResetOptions& options = {});
