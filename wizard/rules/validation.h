// The rules every settings page applies at Next, and each page's check: the
// rules in their fixed order, the message key of the first that fails, and
// what a check writes into the settings records. No GUI: a page gathers its
// values into the struct below, calls its check and shows the returned key
// with ShowWarning.
#pragma once

#include "dll_object.h"
#include "setup_vocabulary.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// An IPv4 address as an IP address control reports it: host order, first
// dotted octet in the most significant byte; a blank control gives 0.
using AddressValue = std::uint32_t;

// Validators: true for valid input.
bool IsValidIpAddress(AddressValue value);   // first and last octet neither 0 nor 255
bool IsValidSubnetMask(AddressValue value);  // one or more leading one bits, nothing else
bool IsDiffSegment(AddressValue a, AddressValue b, AddressValue mask);
bool IsValidMacAddress(const QString& text);          // xx:xx:xx:xx:xx:xx, either case, first octet even
bool IsValidAsciiKey(const QString& text, bool wep);  // letters and digits; WEP 5 or 13, WPA 8-63
bool IsValidHexKey(const QString& text);              // 10 or 26 hexadecimal digits
bool IsValidKeyTime(const QString& text);             // ReadKeyTime between 60 and 9999
bool IsValidSsid(const QString& text);                // 1-32 of letters, digits, '_', '-', space

// An account name or password escaped for the router's form bodies: twenty
// punctuation characters become "%xx"; a text holding any character below
// 10 or above 127 becomes the empty text.
QString EncodeFormValue(const QString& text);

// True when every character is printable ASCII (space to tilde): only such an
// entry reaches the router as typed. The page checks refuse anything else, so
// EncodeFormValue never turns a typed account or password into nothing.
bool IsSendableFormText(const QString& text);

// The key renewal time as C's atoi reads it ("12abc" gives 12, no digits 0).
// A digit string too long for an int reads as INT_MAX, so however long the
// entry is it can never wrap around into the valid range.
int ReadKeyTime(const QString& text);

// routerInfo.address as an address value (inet_aton's notation); text that
// does not parse gives 255.255.255.255.
AddressValue ParseRouterLanAddress(const std::string& text);

// "a.b.c.d" without leading zeros; 0 gives "0.0.0.0".
std::string ToDottedText(AddressValue value);

// A page check's outcome: the message key of the first failing rule, or no
// value when every rule passed and the record was written.
using WarningKey = std::optional<QString>;

struct StaticIpPageValues {
    AddressValue ip = 0;
    AddressValue mask = 0;
    AddressValue gateway = 0;
    AddressValue dns1 = 0;
    AddressValue dns2 = 0;
};
WarningKey CheckStaticIpPage(const StaticIpPageValues& page, const std::string& lanAddress,
                             StaticIpParams& record);

// Each field must be non-empty and sendable as typed. On success the page's
// own account and password are replaced by their escaped form, which is also
// what the record receives.
struct PppoePageValues {
    QString account;
    QString password;
};
WarningKey CheckPppoePage(PppoePageValues& page, PppoeParams& record);

inline constexpr int kAddressModeStatic = 0;
inline constexpr int kAddressModeDynamic = 1;

// PPTP and L2TP. The address mode is stored before any rule runs; account and
// password follow the PPPoE rules; the address fields are checked and stored
// in static mode only.
struct TunnelPageValues {
    AddressValue server = 0;
    QString account;
    QString password;
    int addressMode = kAddressModeStatic;
    AddressValue ip = 0;
    AddressValue mask = 0;
    AddressValue gateway = 0;
};
WarningKey CheckTunnelPage(TunnelPageValues& page, const std::string& lanAddress, TunnelParams& record);

struct MacClonePageValues {
    QString mac;
};
WarningKey CheckMacClonePage(const MacClonePageValues& page, MacInfo& record);

// Also copies SSID, channel, mode and broadcast into the result page's
// fields of WanStatus.
struct WirelessPageValues {
    QString ssid;
    int modeIndex = 1;     // 0 b/g mixed, 1 b/g/n mixed
    int channelIndex = 0;  // 0 automatic, 1-13
    bool broadcast = true;
};
WarningKey CheckWirelessPage(const WirelessPageValues& page, WirelessParams& record, WanStatus& status);

// The security modes (kSecurityDisabled, kSecurityWep, kSecurityWpa,
// kSecurityWpa2) come from the library's vocabulary.

// The mode and the selections of the chosen mode are stored before its key
// is checked; for WPA the pass-phrase is stored before the key time is
// checked. On success WanStatus gets the mode and the key for the result page.
struct SecurityPageValues {
    int modeIndex = kSecurityDisabled;
    int wepAuthIndex = 0;       // 0 open, 1 shared
    int wepKeyFormatIndex = 0;  // 0 ASCII, 1 hexadecimal
    int wepKeyIndex = 0;        // 0-3
    QString wepKey;
    int wpaCipherIndex = 0;  // 0 TKIP, 1 AES
    QString passphrase;
    QString keyTime;
};
WarningKey CheckSecurityPage(const SecurityPageValues& page, SecurityParams& record, WanStatus& status);
