// The settings records the wizard fills page by page and hands to the
// control object. The application object carries exactly one set of them.
#pragma once

#include "dll_object.h"
#include "switched_profile.h"

struct SettingsRecords {
    RouterInfo routerInfo{"192.168.0.1", "admin", "kvmzt", 0, 0};
    MacInfo macInfo;
    SecurityParams securityParams;
    StaticIpParams staticIpParams;
    PppoeParams pppoeParams;
    WirelessParams wirelessParams;
    TunnelParams tunnelParams;
    WanStatus wanStatus;
    // setting.ini's router address once the link task found the router at
    // the address the PC's wired lease named instead (routerInfo.address
    // from then on); empty while the router is where setting.ini says.
    // setting.ini itself is never written.
    std::string configuredRouterAddress;
    // The PC's network profiles the link task switched to automatic
    // addressing, in the order switched, each once.
    SwitchedProfiles switchedProfiles;
};

// The wizard always talks to port 80 of the router.
inline constexpr int kRouterPort = 80;
