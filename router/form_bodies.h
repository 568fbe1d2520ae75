// The form bodies the router's handlers expect. Values are spliced in exactly
// as stored: the pages escape what needs escaping before it gets here.
#pragma once

#include "dll_object.h"

#include <string>

inline constexpr const char* kConnectWanBody = "CMD=WAN_CON&GO=system_status.asp&action=1";

// Empty for an unknown wanType, which then goes out as a GET.
std::string BuildWanSettingsBody(int wanType, const StaticIpParams& staticIp, const PppoeParams& pppoe,
                                 const TunnelParams& tunnel);
std::string BuildWirelessBasicBody(const WirelessParams& wireless);
std::string BuildSecurityBody(const SecurityParams& security);
std::string BuildMacCloneBody(const std::string& applyMac);
