// The numbers the wizard and the library exchange in the records of
// dll_object.h, named once for both sides. Like dll_object.h it includes
// nothing, so the wizard can take it without the library and the library
// without Qt.
#pragma once

// RouterInfo::wanType; 0 or any other value means no type has been chosen.
// The router's own form codes differ for the two tunnels: the library's form
// bodies translate.
enum WanType : int {
    kWanNone = 0,
    kWanStaticIp = 1,
    kWanDynamicIp = 2,
    kWanPppoe = 3,
    kWanPptp = 4,
    kWanL2tp = 5,
};

// SecurityParams::mode; any other value is sent like kSecurityDisabled.
enum SecurityMode : int {
    kSecurityDisabled = 0,
    kSecurityWep = 1,
    kSecurityWpa = 2,
    kSecurityWpa2 = 3,
};

// The single-value choices inside the records; each field's other values
// (anything else, not only the one named) mean the alternative.
inline constexpr int kTunnelAddressDynamic = 1;  // TunnelParams::addressMode, else static
inline constexpr int kChannelAutomatic = 0;      // WirelessParams::channel, else the channel itself
inline constexpr int kWirelessMixedN = 1;        // WirelessParams::wirelessMode, else b/g mixed
inline constexpr int kWepAuthOpen = 0;           // SecurityParams::wepAuth, else shared
inline constexpr int kWepKeyAscii = 0;           // SecurityParams::wepKeyFormat, else hexadecimal
inline constexpr int kWpaCipherTkip = 0;         // SecurityParams::wpaCipher, else AES
inline constexpr int kWepKeyCount = 4;           // SecurityParams::wepKeyIndex runs 0 .. kWepKeyCount - 1
