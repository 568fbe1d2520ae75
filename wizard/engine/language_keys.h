// Every language key the wizard looks up, in one place: the keys its code
// asks for directly and the captions of its dialog templates. Keys are used
// exactly as written here (trailing blanks and misspellings included); the
// language files write them trimmed, and the lookup ignores case and
// surrounding blanks. The tests check that both language files carry all of
// them.
#pragma once

#include <QStringView>

#include <array>
#include <span>

namespace lang {

// Progress window stage texts, by task code 1-5.
inline constexpr QStringView kPrgLink = u"prg_link";
inline constexpr QStringView kPrgAuto = u"prg_auto";
inline constexpr QStringView kPrgCheck = u"prg_check";
inline constexpr QStringView kPrgSave = u"prg_save";
inline constexpr QStringView kPrgReboot = u"prg_reboot";
inline constexpr QStringView kPrgRestore = u"prg_restore";

// Main window.
inline constexpr QStringView kAppName = u"App Name";
inline constexpr QStringView kStart = u"Start";
inline constexpr QStringView kNext = u"Next";
inline constexpr QStringView kFinish = u"Finish";
inline constexpr QStringView kExit = u"Exit";
inline constexpr QStringView kLeaveMessage = u"Leave Massage";
inline constexpr QStringView kConnectOk = u"Connect OK";
// The router answered the link task's logins with 401: its text names the
// settings file (%s) whose login the router refused.
inline constexpr QStringView kLoginRefused = u"Login Refused";
inline constexpr QStringView kSaveOk = u"Save OK";
// The save task's forms did not all reach the router: said instead of "Save
// OK", and no restart follows.
inline constexpr QStringView kSaveNotConfirmed = u"Save Not Confirmed";
// The link task logged in where the PC's wired lease named the router, not
// at setting.ini's address: said instead of "Connect OK", with the address
// found and setting.ini's (%s, %s).
inline constexpr QStringView kRouterFound = u"Router Found";
// No wired adapter has a carrier: said at once, instead of the logins.
inline constexpr QStringView kNoCable = u"No Cable";
// The link task switched a network profile of the PC to automatic
// addressing: said after the link task's own message, asked about when the
// wizard ends, and what came of putting it back. Each names the profile and
// its adapter (%s, %s), the first three the fixed addresses too (%s).
inline constexpr QStringView kProfileSwitched = u"Profile Switched";
inline constexpr QStringView kKeepProfileSwitch = u"Keep Profile Switch";
inline constexpr QStringView kProfileRestored = u"Profile Restored";
inline constexpr QStringView kProfileRestoreRefused = u"Profile Restore Refused";
inline constexpr QStringView kProfileRestoreFailed = u"Profile Restore Failed";
// A profile not put back: the command that does it (%s), in a box of its own,
// where it has the room.
inline constexpr QStringView kUndoCommandTitle = u"Undo Command Title";
inline constexpr QStringView kUndoCommand = u"Undo Command";
// The "Save OK" box asks for the empty key as its title; no entry has an
// empty key, so the title stays empty like that of the "Connect OK" box.
inline constexpr QStringView kSaveOkTitle = u"";
inline constexpr QStringView kWebUrl = u"webURL";
inline constexpr QStringView kModelNo = u"Model No.";
inline constexpr QStringView kVersionNo = u"Version No.";

// Validation warnings.
inline constexpr QStringView kWarningTitle = u"Warning ";
inline constexpr QStringView kMacAddressInvalid = u"Mac address invalid";
inline constexpr QStringView kAccountEmpty = u"Account Empty";
inline constexpr QStringView kPasswordEmpty = u"Password Empty";
inline constexpr QStringView kUserNameEmpty = u"User Name Empty";
// An account, user name or password with a character the router's forms
// cannot carry as typed (anything but printable ASCII).
inline constexpr QStringView kAccountUnsendable = u"Account Characters";
inline constexpr QStringView kUserNameUnsendable = u"User Name Characters";
inline constexpr QStringView kPasswordUnsendable = u"Password Characters";
inline constexpr QStringView kServerIpInvalid = u"Server IP address invalid";
inline constexpr QStringView kIpAddressInvalid = u"IP address invalid";
inline constexpr QStringView kSubnetMaskInvalid = u"Subnet mask invalid";
inline constexpr QStringView kGatewayInvalid = u"Default gateway invalid";
inline constexpr QStringView kPrimaryDnsInvalid = u"Primary DNS server invalid";
inline constexpr QStringView kSameSegment = u"The WAN IP and LAN IP can not be the same segament";
inline constexpr QStringView kWepKeyInvalid = u"WEP Key Invalid";
inline constexpr QStringView kWpaKeyInvalid = u"WPA Key Invalid";
inline constexpr QStringView kKeyTimeInvalid = u"Key Time Invalid";
inline constexpr QStringView kSsidInvalid = u"SSID invaid";
// An address octet refuses a keystroke that takes it past 255.
inline constexpr QStringView kOctetRange = u"Enter a number from 0 to 255";
// What a screen reader calls one box of an address field: the field's name
// and the box's place ("IP Address, 1 of 4").
inline constexpr QStringView kOctetName = u"Octet Name";

// Connection-type pages.
inline constexpr QStringView kCheckAccountsCorrect = u"Check accounts correct";
inline constexpr QStringView kCheckAccountsInaccuracy = u"Check accounts inaccuracy";
inline constexpr QStringView kStatic = u"Static";
inline constexpr QStringView kDynamic = u"Dynamic";
inline constexpr QStringView kYourConnectionWay = u"Your connection way";
inline constexpr QStringView kAutoDetectionFailure = u"Auto detection failure";
inline constexpr QStringView kAutoDetectionFailureDesc = u"Auto detection failure Desc";
inline constexpr QStringView kSuccess = u"Success";
inline constexpr QStringView kStaticIp = u"Static IP";
inline constexpr QStringView kDynamicIp = u"Dynamic IP";
inline constexpr QStringView kPppoe = u"PPPoE";

// Wireless, security and result pages.
inline constexpr QStringView kSsidValue = u"SSID Value";
inline constexpr QStringView kAuto = u"Auto";
inline constexpr QStringView kModeBgMixed = u"802.11b/g Mixed";
inline constexpr QStringView kModeBgnMixed = u"802.11b/g/n Mixed";
inline constexpr QStringView kDisable = u"Disable";
inline constexpr QStringView kEnable = u"Enable";
inline constexpr QStringView kWep = u"WEP";
inline constexpr QStringView kWpa = u"WPA";
inline constexpr QStringView kWpa2 = u"WPA2";
inline constexpr QStringView kOpen = u"Open";
inline constexpr QStringView kShare = u"Share";
inline constexpr QStringView kAscii = u"ASCII";
inline constexpr QStringView kHex = u"Hex";
inline constexpr QStringView kKey1 = u"Key 1";
inline constexpr QStringView kKey2 = u"Key 2";
inline constexpr QStringView kKey3 = u"Key 3";
inline constexpr QStringView kKey4 = u"Key 4";
inline constexpr QStringView kTkip = u"TKIP";
inline constexpr QStringView kAes = u"AES";
inline constexpr QStringView kWpaKeyMode = u"WPA Key Mode";
inline constexpr QStringView kWpaKey = u"WPA Key";
inline constexpr QStringView kWpa2KeyMode = u"WPA2 Key Mode";
inline constexpr QStringView kWpa2Key = u"WPA2 Key";
inline constexpr QStringView kModeBgResult = u"11 b/g mode";
inline constexpr QStringView kModeBgnResult = u"11 b/g/n mode";

// Keys the code asks for directly, by the window that asks.
inline constexpr std::array kProgressKeys{kPrgLink, kPrgAuto, kPrgCheck, kPrgSave, kPrgReboot, kPrgRestore};
inline constexpr std::array kProfileChangeKeys{
    kProfileSwitched,      kKeepProfileSwitch, kProfileRestored, kProfileRestoreRefused,
    kProfileRestoreFailed, kUndoCommandTitle,  kUndoCommand};
inline constexpr std::array kMainWindowKeys{
    kAppName,          kStart,       kNext,   kFinish,  kExit,      kLeaveMessage,
    kConnectOk,        kSaveOk,      kWebUrl, kModelNo, kVersionNo, kLoginRefused,
    kSaveNotConfirmed, kRouterFound, kNoCable};
inline constexpr std::array kValidationKeys{
    kWarningTitle,      kMacAddressInvalid,  kAccountEmpty,       kPasswordEmpty,  kUserNameEmpty,
    kServerIpInvalid,   kIpAddressInvalid,   kSubnetMaskInvalid,  kGatewayInvalid, kPrimaryDnsInvalid,
    kSameSegment,       kWepKeyInvalid,      kWpaKeyInvalid,      kKeyTimeInvalid, kSsidInvalid,
    kAccountUnsendable, kUserNameUnsendable, kPasswordUnsendable, kOctetRange,     kOctetName};
inline constexpr std::array kConnectionPageKeys{kCheckAccountsCorrect,
                                                kCheckAccountsInaccuracy,
                                                kStatic,
                                                kDynamic,
                                                kYourConnectionWay,
                                                kAutoDetectionFailure,
                                                kAutoDetectionFailureDesc,
                                                kSuccess,
                                                kStaticIp,
                                                kDynamicIp,
                                                kPppoe};
inline constexpr std::array kWirelessPageKeys{
    kSsidValue, kAuto,  kModeBgMixed, kModeBgnMixed, kDisable,     kWep,    kWpa,  kWpa2,
    kOpen,      kShare, kAscii,       kHex,          kKey1,        kKey2,   kKey3, kKey4,
    kTkip,      kAes,   kWpaKeyMode,  kWpaKey,       kWpa2KeyMode, kWpa2Key};
// The result page's line for a router found away from setting.ini's address.
inline constexpr QStringView kRouterFoundNote = u"Router Found Note";
// The new network handed to a phone, and the summary a user keeps.
inline constexpr QStringView kJoinCodeName = u"Join Code Name";
inline constexpr QStringView kSaveSummary = u"Save Summary";
inline constexpr QStringView kSummaryTitle = u"Summary Title";
inline constexpr QStringView kSummarySaved = u"Summary Saved";
inline constexpr QStringView kSummaryNotSaved = u"Summary Not Saved";
inline constexpr std::array kResultPageKeys{
    kAuto,         kDisable,        kEnable,          kWep,          kWpa,         kWpa2,
    kModeBgResult, kModeBgnResult,  kRouterFoundNote, kJoinCodeName, kSaveSummary, kSummaryTitle,
    kSummarySaved, kSummaryNotSaved};
// The result page's note on an overdue WAN address: the heading (the minutes
// waited, %d), then one line per likely cause in the order of NoAddressCause.
inline constexpr QStringView kNoAddressHeading = u"No Address Heading";
inline constexpr std::array<QStringView, 6> kNoAddressCauseKeys{
    u"Cause Account Refused", u"Cause No Link",   u"Cause Save Unconfirmed",
    u"Cause Gateway Subnet",  u"Cause No Status", u"Cause No Provider Address"};
inline constexpr std::array kNoAddressKeys{
    kNoAddressHeading,      kNoAddressCauseKeys[0], kNoAddressCauseKeys[1], kNoAddressCauseKeys[2],
    kNoAddressCauseKeys[3], kNoAddressCauseKeys[4], kNoAddressCauseKeys[5]};

// Captions of the dialog templates (the number labels "1"-"10" are left to
// show themselves).
inline constexpr std::array<QStringView, 8> kMainWindowCaptions{
    u"webURL", u"Back", u"Next", u"Exit", u"Model No.", u"Product Name", u"Version No.", u"Manual"};
inline constexpr std::array<QStringView, 1> kProgressCaptions{u"ProgressInfo"};
inline constexpr std::array<QStringView, 3> kMessageBoxCaptions{u"OK", u"Yes", u"NO"};
// The welcome page's keys carry the blanks its template pads them with.
inline constexpr std::array<QStringView, 2> kWelcomeCaptions{u"welcome                    ",
                                                             u"info                 "};
static_assert(kWelcomeCaptions[0].size() == 7 + 20 && kWelcomeCaptions[1].size() == 4 + 17);
inline constexpr std::array<QStringView, 4> kInstructionCaptions{u"Setup1 Title", u"Setup2 Title",
                                                                 u"Setup3 Title", u"Setup4 Title"};
inline constexpr std::array<QStringView, 8> kConnectionTypeCaptions{
    u"Setup5 Title",    u"Auto detect", u"Detect manually ", u"Dynamic IP Desc",
    u"Static IP Desc ", u"PPPoE Desc",  u"PPTP Desc",        u"L2TP Desc"};
inline constexpr std::array<QStringView, 4> kPppoeCaptions{u"PPPoE Title", u"Account", u"Password",
                                                           u"Check Accounts"};
inline constexpr std::array<QStringView, 6> kStaticIpCaptions{
    u"Static IP Title", u"IP Address", u"Subnet Mask", u"Default Gateway", u"Primary DNS", u"Secondary DNS"};
inline constexpr std::array<QStringView, 8> kTunnelCaptions{
    u"PPTP Title",   u"Server IP Address", u"Account",     u"Password",
    u"Address Mode", u"IP Address",        u"Subnet Mask", u"Default Gateway"};
inline constexpr std::array<QStringView, 6> kWirelessCaptions{
    u"Wireless Title", u"Wrieless Note", u"SSID", u"Wireless Mode", u"channel", u"SSID Broadcast"};
inline constexpr std::array<QStringView, 13> kSecurityCaptions{
    u"Security Title",   u"Security",     u"Authentication Mode ",
    u"Key Type",         u"Transmit Key", u"key",
    u"WPA type",         u"WPA key",      u"8~63 ASCII characters",
    u"Key Valid Time",   u"s.60s~9999s",  u"Security Note",
    u"WEP Security Note"};
inline constexpr std::array<QStringView, 5> kMacCloneCaptions{u"Mac clone Title", u"MAC Clone Attention",
                                                              u"MAC address", u"Clone Mac", u"Restore Mac"};
inline constexpr std::array<QStringView, 14> kResultCaptions{
    u"Result Title", u"Refresh",        u"Status Note",     u"link mode", u"IP Address",
    u"NetMask",      u"gateway",        u"WAN Mac",         u"SSID",      u"Channel",
    u"wirless mode", u"ssid broadcast", u"encryption Mode", u"Key"};
inline constexpr std::array<QStringView, 1> kLinkErrorCaptions{u"Retry"};

// Every group above, for checks over all keys.
inline constexpr std::array<std::span<const QStringView>, 22> kAllKeyGroups{
    kProgressKeys,        kMainWindowKeys,         kValidationKeys,   kConnectionPageKeys, kWirelessPageKeys,
    kResultPageKeys,      kMainWindowCaptions,     kProgressCaptions, kMessageBoxCaptions, kWelcomeCaptions,
    kInstructionCaptions, kConnectionTypeCaptions, kPppoeCaptions,    kStaticIpCaptions,   kTunnelCaptions,
    kWirelessCaptions,    kSecurityCaptions,       kMacCloneCaptions, kResultCaptions,     kLinkErrorCaptions,
    kNoAddressKeys,       kProfileChangeKeys};

}  // namespace lang
