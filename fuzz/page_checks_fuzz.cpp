// The checks the pages run at Next, over any values a user could type: an
// address survives the trip to dotted text and back, form escaping decodes to
// what was typed, and a check that passes has written values that its own
// rules accept.
//
// Input, a line each: an address value, a typed text for escaping, the LAN
// address choice and the five static IP values, PPPoE account and password,
// MAC, SSID, channel, security mode, WEP key format, WEP key, pass-phrase,
// key time.
#include <QString>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "settings_records.h"
#include "text_codec.h"
#include "text_input.h"
#include "validation.h"

namespace {

constexpr const char* kLanAddresses[] = {"127.0.0.1", "192.168.0.1", "10.1.1.1"};

QString TakeText(TextInput& input) {
    return QString::fromStdString(input.Line());
}

AddressValue TakeAddress(TextInput& input) {
    return static_cast<AddressValue>(input.Number());
}

QString PercentDecode(const QString& text) {
    QString decoded;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            decoded += QChar(text.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

void CheckAddresses(AddressValue value) {
    FuzzCheck(ParseRouterLanAddress(ToDottedText(value)) == value, "an address survives dotted text");
    const bool contiguous = value != 0 && std::countl_one(value) + std::countr_zero(value) == 32;
    FuzzCheck(IsValidSubnetMask(value) == contiguous, "a mask is leading ones then zeros");
}

void CheckEscaping(const QString& typed) {
    const QString encoded = EncodeFormValue(typed);
    const bool sendable = std::all_of(typed.begin(), typed.end(),
                                      [](QChar c) { return c.unicode() >= 10 && c.unicode() < 128; });
    FuzzCheck(sendable ? PercentDecode(encoded) == typed : encoded.isEmpty(),
              "escaping decodes to the typed text, or empties text the router cannot take");
}

void CheckPages(TextInput& input) {
    SettingsRecords records;
    const std::string lan = kLanAddresses[static_cast<unsigned long long>(input.Number()) % 3];

    const StaticIpPageValues staticPage{TakeAddress(input), TakeAddress(input), TakeAddress(input),
                                        TakeAddress(input), TakeAddress(input)};
    if (!CheckStaticIpPage(staticPage, lan, records.staticIpParams)) {
        FuzzCheck(IsValidIpAddress(staticPage.ip) && IsValidSubnetMask(staticPage.mask) &&
                      ParseRouterLanAddress(records.staticIpParams.ip) == staticPage.ip &&
                      IsDiffSegment(staticPage.ip, ParseRouterLanAddress(lan), staticPage.mask),
                  "an accepted static page stores a valid address outside the LAN");
    }

    PppoePageValues pppoe{TakeText(input), TakeText(input)};
    const PppoePageValues typed = pppoe;
    if (!CheckPppoePage(pppoe, records.pppoeParams)) {
        FuzzCheck(!typed.account.isEmpty() && !typed.password.isEmpty() &&
                      records.pppoeParams.user == ToNarrow(EncodeFormValue(typed.account)),
                  "an accepted PPPoE page stores the escaped account");
    }

    const MacClonePageValues mac{TakeText(input)};
    if (!CheckMacClonePage(mac, records.macInfo)) {
        FuzzCheck(IsValidMacAddress(mac.mac) && records.macInfo.applyMac.size() == 17,
                  "a MAC is 17 characters");
    }

    const WirelessPageValues wireless{
        TakeText(input), 1, static_cast<int>(static_cast<unsigned long long>(input.Number()) % 14), true};
    if (!CheckWirelessPage(wireless, records.wirelessParams, records.wanStatus)) {
        const auto length = records.wirelessParams.ssid.size();
        FuzzCheck(length >= 1 && length <= 32, "an SSID is 1 to 32 characters");
    }

    SecurityPageValues security;
    security.modeIndex = static_cast<int>(static_cast<unsigned long long>(input.Number()) % 4);
    security.wepKeyFormatIndex = static_cast<int>(input.Number() & 1);
    security.wepKey = TakeText(input);
    security.passphrase = TakeText(input);
    security.keyTime = TakeText(input);
    if (!CheckSecurityPage(security, records.securityParams, records.wanStatus)) {
        if (security.modeIndex == kSecurityWpa || security.modeIndex == kSecurityWpa2) {
            const auto length = records.securityParams.passphrase.size();
            const int keyTime = records.securityParams.keyRenewalInterval;
            FuzzCheck(length >= 8 && length <= 63 && keyTime >= 60 && keyTime <= 9999,
                      "an accepted WPA key is 8-63 characters with a renewal of 60-9999 s");
        } else if (security.modeIndex == kSecurityWep) {
            const auto length = records.securityParams.wepKey.size();
            FuzzCheck(length == 5 || length == 13 || length == 10 || length == 26,
                      "a WEP key has a WEP length");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextInput input(data, size);
    CheckAddresses(TakeAddress(input));
    CheckEscaping(TakeText(input));
    CheckPages(input);
    return 0;
}
