#include "driver_options.h"

#include "wan_types.h"

#include <QCommandLineParser>

#include <array>
#include <cstdio>
#include <utility>

namespace {

struct NamedValue {
    const char* name;
    int value;
};

constexpr std::array kWanTypes{NamedValue{"static", kWanStaticIp}, NamedValue{"dynamic", kWanDynamicIp},
                               NamedValue{"pppoe", kWanPppoe}, NamedValue{"pptp", kWanPptp},
                               NamedValue{"l2tp", kWanL2tp}};
constexpr std::array kSecurityModes{NamedValue{"none", kSecurityDisabled}, NamedValue{"wep", kSecurityWep},
                                    NamedValue{"wpa", kSecurityWpa}, NamedValue{"wpa2", kSecurityWpa2}};
constexpr std::array kAddressModes{NamedValue{"static", kAddressModeStatic},
                                   NamedValue{"dynamic", kAddressModeDynamic}};

template <std::size_t N>
bool LookUpName(const std::array<NamedValue, N>& table, const QString& name, int& value) {
    for (const NamedValue& entry : table) {
        if (name == QLatin1String(entry.name)) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

AddressValue Address(const QString& text) {
    return text.isEmpty() ? 0 : ParseRouterLanAddress(text.toStdString());
}

void PrintError(const QString& text) {
    std::fprintf(stderr, "setup-driver: %s\n", qPrintable(text));
}

}  // namespace

ParseOutcome ParseDriverOptions(const QStringList& arguments, DriverOptions& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs the wizard's set-up tasks without windows against the router named in setting.ini\n"
        "(which must be on 127.0.0.0/8), with the program's real pauses.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption type(
        "type", "WAN type: static, dynamic, pppoe, pptp or l2tp (default: detected).", "type");
    const QCommandLineOption account("account", "PPPoE, PPTP or L2TP account.", "name");
    const QCommandLineOption accountPassword("account-password", "Password of that account.", "password");
    const QCommandLineOption server("server", "PPTP or L2TP server address.", "address");
    const QCommandLineOption addressMode("address-mode", "Tunnel WAN address: static or dynamic (default).",
                                         "mode");
    const QCommandLineOption ip("ip", "Static WAN address.", "address");
    const QCommandLineOption mask("mask", "Static WAN subnet mask.", "address");
    const QCommandLineOption gateway("gateway", "Static WAN gateway.", "address");
    const QCommandLineOption dns1("dns1", "Primary DNS server (static IP).", "address");
    const QCommandLineOption dns2("dns2", "Secondary DNS server (static IP).", "address");
    const QCommandLineOption mac("mac", "WAN MAC address to clone (default: the router's own).", "mac");
    const QCommandLineOption ssid("ssid", "Wireless network name (default: the language file's).", "name");
    const QCommandLineOption channel("channel", "Wireless channel 1-13, 0 for automatic (default).",
                                     "number");
    const QCommandLineOption bgOnly("bg-only", "Use the 802.11b/g mixed mode instead of b/g/n.");
    const QCommandLineOption security("security", "Wireless security: none (default), wep, wpa or wpa2.",
                                      "mode");
    const QCommandLineOption key("key", "WEP key or WPA pass-phrase.", "key");
    const QCommandLineOption chinese("chinese", "Show the stage texts of SimpChinese.ini.");
    parser.addOptions({help, type, account, accountPassword, server, addressMode, ip, mask, gateway, dns1,
                       dns2, mac, ssid, channel, bgOnly, security, key, chinese});

    if (!parser.parse(arguments)) {
        PrintError(parser.errorText());
        return ParseOutcome::Failed;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return ParseOutcome::ShowedHelp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        PrintError("unexpected argument " + parser.positionalArguments().front());
        return ParseOutcome::Failed;
    }
    if (parser.isSet(type) && !LookUpName(kWanTypes, parser.value(type), options.wanType)) {
        PrintError("unknown --type " + parser.value(type));
        return ParseOutcome::Failed;
    }
    if (parser.isSet(security) && !LookUpName(kSecurityModes, parser.value(security), options.security)) {
        PrintError("unknown --security " + parser.value(security));
        return ParseOutcome::Failed;
    }
    if (parser.isSet(addressMode) &&
        !LookUpName(kAddressModes, parser.value(addressMode), options.tunnelAddressMode)) {
        PrintError("unknown --address-mode " + parser.value(addressMode));
        return ParseOutcome::Failed;
    }
    if (parser.isSet(channel)) {
        bool ok = false;
        options.channel = parser.value(channel).toInt(&ok);
        if (!ok || options.channel < 0 || options.channel > 13) {
            PrintError("--channel takes 0 to 13");
            return ParseOutcome::Failed;
        }
    }
    options.account = parser.value(account);
    options.accountPassword = parser.value(accountPassword);
    options.server = parser.value(server);
    options.ip = parser.value(ip);
    options.mask = parser.value(mask);
    options.gateway = parser.value(gateway);
    options.dns1 = parser.value(dns1);
    options.dns2 = parser.value(dns2);
    options.mac = parser.value(mac);
    options.ssid = parser.value(ssid);
    options.wirelessModeIndex = parser.isSet(bgOnly) ? 0 : 1;
    options.key = parser.value(key);
    options.chinese = parser.isSet(chinese);
    return ParseOutcome::Run;
}

WarningKey ApplyConnectionSettings(const DriverOptions& options, int wanType, SettingsRecords& records) {
    const std::string& lanAddress = records.routerInfo.address;
    switch (wanType) {
        case kWanStaticIp: {
            const StaticIpPageValues page{Address(options.ip), Address(options.mask),
                                          Address(options.gateway), Address(options.dns1),
                                          Address(options.dns2)};
            return CheckStaticIpPage(page, lanAddress, records.staticIpParams);
        }
        case kWanPppoe: {
            PppoePageValues page{options.account, options.accountPassword};
            return CheckPppoePage(page, records.pppoeParams);
        }
        case kWanPptp:
        case kWanL2tp: {
            TunnelPageValues page{Address(options.server),   options.account,     options.accountPassword,
                                  options.tunnelAddressMode, Address(options.ip), Address(options.mask),
                                  Address(options.gateway)};
            return CheckTunnelPage(page, lanAddress, records.tunnelParams);
        }
        default:
            return std::nullopt;
    }
}

WarningKey ApplyLanSideSettings(const DriverOptions& options, const QString& defaultSsid,
                                SettingsRecords& records) {
    const MacClonePageValues macPage{options.mac.isEmpty() ? QString::fromStdString(records.macInfo.applyMac)
                                                           : options.mac};
    if (WarningKey warning = CheckMacClonePage(macPage, records.macInfo)) {
        return warning;
    }
    const WirelessPageValues wirelessPage{options.ssid.isEmpty() ? defaultSsid : options.ssid,
                                          options.wirelessModeIndex, options.channel, true};
    if (WarningKey warning = CheckWirelessPage(wirelessPage, records.wirelessParams, records.wanStatus)) {
        return warning;
    }
    SecurityPageValues securityPage;
    securityPage.modeIndex = options.security;
    securityPage.wepKey = options.key;
    securityPage.wpaCipherIndex = 1;  // AES: every WPA2 client speaks it
    securityPage.passphrase = options.key;
    securityPage.keyTime = QStringLiteral("3600");
    return CheckSecurityPage(securityPage, records.securityParams, records.wanStatus);
}
