#include "validation.h"

#include "language_keys.h"
#include "colour_values.h"
#include "format_string.h"
#include "text_codec.h"

#include <QStringView>

#include <algorithm>
#include <bit>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#endif

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetterOrDigit(QChar c) {
    return IsAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsHexDigit(QChar c) {
    return IsAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

template <typename Predicate>
bool AllOf(const QString& text, Predicate predicate) {
    return std::all_of(text.begin(), text.end(), predicate);
}

bool NeedsFormEscape(char16_t c) {
    return (c >= 0x21 && c <= 0x27) || c == 0x2B || c == 0x2C || c == 0x3C || c == 0x3E ||
           (c >= 0x5B && c <= 0x5E) || c == 0x60 || (c >= 0x7B && c <= 0x7E);
}

WarningKey Warn(QStringView key) {
    return key.toString();
}

// The rules static addressing shares between the static IP and tunnel pages.
WarningKey CheckAddressMaskGateway(AddressValue ip, AddressValue mask, AddressValue gateway,
                                   std::optional<AddressValue> dns1) {
    if (!IsValidIpAddress(ip)) {
        return Warn(lang::kIpAddressInvalid);
    }
    if (!IsValidSubnetMask(mask)) {
        return Warn(lang::kSubnetMaskInvalid);
    }
    if (!IsValidIpAddress(gateway)) {
        return Warn(lang::kGatewayInvalid);
    }
    if (dns1 && !IsValidIpAddress(*dns1)) {
        return Warn(lang::kPrimaryDnsInvalid);
    }
    return std::nullopt;
}

WarningKey CheckSegment(AddressValue ip, AddressValue mask, const std::string& lanAddress) {
    if (!IsDiffSegment(ip, ParseRouterLanAddress(lanAddress), mask)) {
        return Warn(lang::kSameSegment);
    }
    return std::nullopt;
}

// An account or password that would not reach the router as typed is
// refused: the escaping would send nothing in its place, and the router
// would then report the account as wrong.
WarningKey CheckAccountText(const QString& text, QStringView emptyKey, QStringView unsendableKey) {
    if (text.isEmpty()) {
        return Warn(emptyKey);
    }
    if (!IsSendableFormText(text)) {
        return Warn(unsendableKey);
    }
    return std::nullopt;
}

// The escaped value goes back into the page, the narrow form into the record.
void StoreEscaped(QString& pageValue, std::string& recordValue) {
    pageValue = EncodeFormValue(pageValue);
    recordValue = ToNarrow(pageValue);
}

}  // namespace

bool IsValidIpAddress(AddressValue value) {
    const AddressValue first = value >> 24;
    const AddressValue last = value & 0xFF;
    return first != 0 && first != 255 && last != 0 && last != 255;
}

bool IsValidSubnetMask(AddressValue value) {
    const int ones = std::popcount(value);
    return ones != 0 && value == (value & (0xFFFFFFFFu << (32 - ones)));
}

bool IsDiffSegment(AddressValue a, AddressValue b, AddressValue mask) {
    return (a & mask) != (b & mask);
}

bool IsValidMacAddress(const QString& text) {
    if (text.size() != 17 || QStringView(u"13579bBdDfF").contains(text[1])) {
        return false;  // wrong length, or a group address (odd first octet)
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool separatorPosition = i % 3 == 2;
        if (separatorPosition ? text[i] != u':' : !IsHexDigit(text[i])) {
            return false;
        }
    }
    return true;
}

bool IsValidAsciiKey(const QString& text, bool wep) {
    const qsizetype length = text.size();
    const bool lengthOk = wep ? (length == 5 || length == 13) : (length >= 8 && length <= 63);
    return lengthOk && AllOf(text, IsAsciiLetterOrDigit);
}

bool IsValidHexKey(const QString& text) {
    return (text.size() == 10 || text.size() == 26) && AllOf(text, IsHexDigit);
}

int ReadKeyTime(const QString& text) {
    return ParseLeadingInt(text);
}

bool IsValidKeyTime(const QString& text) {
    const auto seconds = static_cast<unsigned>(ReadKeyTime(text));  // negative values compare huge
    return seconds >= 60 && seconds <= 9999;
}

bool IsValidSsid(const QString& text) {
    return !text.isEmpty() && text.size() <= 32 && AllOf(text, [](QChar c) {
        return IsAsciiLetterOrDigit(c) || c == u'_' || c == u'-' || c == u' ';
    });
}

QString EncodeFormValue(const QString& text) {
    if (!AllOf(text, [](QChar c) { return c.unicode() >= 10 && c.unicode() < 128; })) {
        return {};
    }
    QString encoded;
    for (const QChar c : text) {
        encoded += NeedsFormEscape(c.unicode()) ? FormatString(u"%%%2x", c.unicode()) : QString(c);
    }
    return encoded;
}

bool IsSendableFormText(const QString& text) {
    return AllOf(text, [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; });
}

AddressValue ParseRouterLanAddress(const std::string& text) {
#ifdef _WIN32
    return ntohl(inet_addr(text.c_str()));  // INADDR_NONE is 255.255.255.255 already
#else
    in_addr address{};
    return inet_aton(text.c_str(), &address) != 0 ? ntohl(address.s_addr) : 0xFFFFFFFFu;
#endif
}

std::string ToDottedText(AddressValue value) {
    return std::to_string(value >> 24) + '.' + std::to_string(value >> 16 & 0xFF) + '.' +
           std::to_string(value >> 8 & 0xFF) + '.' + std::to_string(value & 0xFF);
}

WarningKey CheckStaticIpPage(const StaticIpPageValues& page, const std::string& lanAddress,
                             StaticIpParams& record) {
    if (WarningKey warning = CheckAddressMaskGateway(page.ip, page.mask, page.gateway, page.dns1)) {
        return warning;
    }
    if (WarningKey warning = CheckSegment(page.ip, page.mask, lanAddress)) {
        return warning;
    }
    record.ip = ToDottedText(page.ip);
    record.mask = ToDottedText(page.mask);
    record.gateway = ToDottedText(page.gateway);
    record.dns1 = ToDottedText(page.dns1);
    record.dns2 = ToDottedText(page.dns2);
    return std::nullopt;
}

WarningKey CheckPppoePage(PppoePageValues& page, PppoeParams& record) {
    if (WarningKey warning = CheckAccountText(page.account, lang::kAccountEmpty, lang::kAccountUnsendable)) {
        return warning;
    }
    if (WarningKey warning =
            CheckAccountText(page.password, lang::kPasswordEmpty, lang::kPasswordUnsendable)) {
        return warning;
    }
    StoreEscaped(page.account, record.user);
    StoreEscaped(page.password, record.password);
    return std::nullopt;
}

WarningKey CheckTunnelPage(TunnelPageValues& page, const std::string& lanAddress, TunnelParams& record) {
    record.addressMode = page.addressMode;
    if (!IsValidIpAddress(page.server)) {
        return Warn(lang::kServerIpInvalid);
    }
    if (WarningKey warning =
            CheckAccountText(page.account, lang::kUserNameEmpty, lang::kUserNameUnsendable)) {
        return warning;
    }
    if (WarningKey warning =
            CheckAccountText(page.password, lang::kPasswordEmpty, lang::kPasswordUnsendable)) {
        return warning;
    }
    const bool staticMode = page.addressMode == kAddressModeStatic;
    if (staticMode) {
        if (WarningKey warning = CheckAddressMaskGateway(page.ip, page.mask, page.gateway, std::nullopt)) {
            return warning;
        }
        if (WarningKey warning = CheckSegment(page.ip, page.mask, lanAddress)) {
            return warning;
        }
    }
    record.server = ToDottedText(page.server);
    StoreEscaped(page.account, record.user);
    StoreEscaped(page.password, record.password);
    if (staticMode) {
        record.ip = ToDottedText(page.ip);
        record.mask = ToDottedText(page.mask);
        record.gateway = ToDottedText(page.gateway);
    }
    return std::nullopt;
}

WarningKey CheckMacClonePage(const MacClonePageValues& page, MacInfo& record) {
    if (!IsValidMacAddress(page.mac)) {
        return Warn(lang::kMacAddressInvalid);
    }
    record.applyMac = ToNarrow(page.mac);
    return std::nullopt;
}

WarningKey CheckWirelessPage(const WirelessPageValues& page, WirelessParams& record, WanStatus& status) {
    if (!IsValidSsid(page.ssid)) {
        return Warn(lang::kSsidInvalid);
    }
    record.ssid = ToNarrow(page.ssid);
    record.wirelessMode = page.modeIndex;
    record.channel = page.channelIndex;
    record.broadcastSsid = page.broadcast;
    status.extraText = record.ssid;
    status.extraValue1 = page.channelIndex;
    status.extraValue2 = page.modeIndex;
    status.extraFlag = page.broadcast;
    return std::nullopt;
}

WarningKey CheckSecurityPage(const SecurityPageValues& page, SecurityParams& record, WanStatus& status) {
    record.mode = page.modeIndex;
    if (page.modeIndex == kSecurityWep) {
        record.wepAuth = page.wepAuthIndex;
        record.wepKeyFormat = page.wepKeyFormatIndex;
        record.wepKeyIndex = page.wepKeyIndex;
        const bool valid =
            record.wepKeyFormat != 0 ? IsValidHexKey(page.wepKey) : IsValidAsciiKey(page.wepKey, true);
        if (!valid) {
            return Warn(lang::kWepKeyInvalid);
        }
        record.wepKey = ToNarrow(page.wepKey);
        record.spare1 = static_cast<int>(page.wepKey.size());
        status.extraText2 = record.wepKey;
    } else if (page.modeIndex == kSecurityWpa || page.modeIndex == kSecurityWpa2) {
        record.wpaCipher = page.wpaCipherIndex;
        if (!IsValidAsciiKey(page.passphrase, false)) {
            return Warn(lang::kWpaKeyInvalid);
        }
        record.passphrase = ToNarrow(page.passphrase);
        record.spare2 = static_cast<int>(page.passphrase.size());
        if (!IsValidKeyTime(page.keyTime)) {
            return Warn(lang::kKeyTimeInvalid);
        }
        record.keyRenewalInterval = ReadKeyTime(page.keyTime);
        status.extraText2 = record.passphrase;
    }
    status.extraValue3 = page.modeIndex;
    return std::nullopt;
}
