#include "driver_options.h"

#include "driver_texts.h"
#include "language_keys.h"
#include "wan_types.h"

#include <QCommandLineParser>

#include <algorithm>
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

template <std::size_t N>
QString Choices(const std::array<NamedValue, N>& table) {
    QStringList names;
    for (const NamedValue& entry : table) names << QLatin1String(entry.name);
    return names.join(QStringLiteral(", "));
}

AddressValue Address(const QString& text) {
    return text.isEmpty() ? 0 : ParseRouterLanAddress(text.toStdString());
}

// Four dotted decimal numbers 0-255, as an address field takes them; the
// shorter forms inet_aton also reads are typing mistakes here.
std::optional<AddressValue> ParseDottedAddress(const QString& text) {
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4) return std::nullopt;
    AddressValue value = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const uint octet = part.toUInt(&ok, 10);
        if (!ok || part.size() > 3 || octet > 255 || !part.front().isDigit()) return std::nullopt;
        value = value << 8 | octet;
    }
    return value;
}

// Collects the problems of one run of checks, worded in the run's language.
class ProblemList {
public:
    ProblemList(QStringList& problems, bool chinese) : problems_(problems), chinese_(chinese) {}

    template <typename... Values>
    void Add(DriverText text, const Values&... values) {
        QString sentence = DriverString(text, chinese_);
        ((sentence = sentence.arg(values)), ...);
        problems_ << sentence;
    }
    bool Chinese() const { return chinese_; }

private:
    QStringList& problems_;
    bool chinese_;
};

void CheckAddress(const QCommandLineParser& parser, const QCommandLineOption& option, bool isMask,
                  ProblemList& problems) {
    if (!parser.isSet(option)) return;
    const QString name = "--" + option.names().front();
    const QString value = parser.value(option);
    const std::optional<AddressValue> address = ParseDottedAddress(value);
    if (isMask) {
        if (!address || !IsValidSubnetMask(*address)) problems.Add(DriverText::NotAMask, name, value);
    } else if (!address || !IsValidIpAddress(*address)) {
        problems.Add(DriverText::NotAnAddress, name, value);
    }
}

// The options a WAN type cannot run without, as the wizard's page would ask
// for them.
QStringList MissingForType(const DriverOptions& options, const QCommandLineParser& parser) {
    QStringList wanted;
    switch (options.wanType) {
        case kWanStaticIp:
            wanted = {"ip", "mask", "gateway", "dns1"};
            break;
        case kWanPppoe:
            wanted = {"account", "account-password"};
            break;
        case kWanPptp:
        case kWanL2tp:
            wanted = {"server", "account", "account-password"};
            if (options.tunnelAddressMode == kAddressModeStatic)
                wanted << "ip"
                       << "mask"
                       << "gateway";
            break;
        default:
            break;
    }
    QStringList missing;
    for (const QString& name : wanted) {
        if (parser.value(name).isEmpty()) missing << "--" + name;
    }
    return missing;
}

void CheckWireless(const DriverOptions& options, const QCommandLineParser& parser, ProblemList& problems) {
    if (!options.mac.isEmpty() && !IsValidMacAddress(options.mac)) {
        problems.Add(DriverText::NotAMac, QStringLiteral("--mac"), options.mac);
    }
    if (parser.isSet(QStringLiteral("ssid")) && !IsValidSsid(options.ssid)) {
        problems.Add(DriverText::NotAnSsid, QStringLiteral("--ssid"), options.ssid);
    }
    const bool keyGiven = parser.isSet(QStringLiteral("key"));
    if (options.security == kSecurityDisabled) {
        if (keyGiven) problems.Add(DriverText::KeyWithoutSecurity, options.key);
        return;
    }
    const QString security = "--security " + parser.value(QStringLiteral("security"));
    if (!keyGiven) {
        problems.Add(DriverText::Needs, security, QStringLiteral("--key"));
    } else if (options.security == kSecurityWep) {
        if (!IsValidAsciiKey(options.key, true) && !IsValidHexKey(options.key)) {
            problems.Add(DriverText::NotAWepKey, QStringLiteral("--key"), options.key);
        }
    } else if (!IsValidAsciiKey(options.key, false)) {
        problems.Add(DriverText::NotAWpaKey, QStringLiteral("--key"), options.key);
    }
}

}  // namespace

ParseOutcome ParseDriverOptions(const QStringList& arguments, DriverOptions& options, QStringList& problems) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs the wizard's set-up tasks without windows against the router named in setting.ini\n"
        "(which must be on 127.0.0.0/8), with the program's real pauses.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption routerUser("router-user",
                                        "Login name of the router's web administration "
                                        "(default: setting.ini's User Name).",
                                        "name");
    const QCommandLineOption routerPassword(
        "router-password", "Password of that login (default: setting.ini's Password).", "password");
    const QCommandLineOption type(
        "type", "WAN type: static, dynamic, pppoe, pptp or l2tp (default: detected).", "type");
    const QCommandLineOption account("account", "PPPoE, PPTP or L2TP account.", "name");
    const QCommandLineOption accountPassword("account-password", "Password of that account.", "password");
    const QCommandLineOption saveAnyway(
        "save-anyway", "Save the settings even when the provider refuses the PPPoE account.");
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
    const QCommandLineOption key("key", "WEP key (ASCII or hexadecimal) or WPA pass-phrase.", "key");
    const QCommandLineOption chinese("chinese", "Speak Simplified Chinese (SimpChinese.ini).");
    const QCommandLineOption resetAdapters(
        "reset-adapters",
        "Switch the PC's wired network profiles to DHCP through NetworkManager before logging in, as the "
        "wizard does (default: leave the PC's adapters alone).");
    const QCommandLineOption bus("bus",
                                 "D-Bus address of the NetworkManager that --reset-adapters talks to "
                                 "(default: the system bus), e.g. a simulated one's.",
                                 "address");
    const QCommandLineOption adapterTypes(
        "adapter-types",
        "A test aid: the NetworkManager device types --reset-adapters handles, as numbers (default: 1, "
        "Ethernet; 1,20 adds the veth pairs of a test's network namespace).",
        "numbers");
    const QCommandLineOption joinCode(
        "qr",
        "At the end of a run whose save the router confirmed, print the QR code "
        "a phone's camera joins the new wireless network with.");
    const QCommandLineOption checkOnly("check-options", "Check the options and stop; nothing is started.");
    const std::array allOptions{&help,
                                &routerUser,
                                &routerPassword,
                                &type,
                                &account,
                                &accountPassword,
                                &saveAnyway,
                                &server,
                                &addressMode,
                                &ip,
                                &mask,
                                &gateway,
                                &dns1,
                                &dns2,
                                &mac,
                                &ssid,
                                &channel,
                                &bgOnly,
                                &security,
                                &key,
                                &chinese,
                                &resetAdapters,
                                &bus,
                                &adapterTypes,
                                &checkOnly,
                                &joinCode};
    for (const QCommandLineOption* option : allOptions) parser.addOption(*option);

    // The language decides how problems are worded, so it is known first.
    options.chinese = arguments.contains(QStringLiteral("--chinese"));
    ProblemList found(problems, options.chinese);
    // QCommandLineParser words a missing last value its own way; it is
    // reported here in the style of every other problem instead.
    QStringList given = arguments;
    if (given.size() > 1 && given.back().startsWith(QStringLiteral("--"))) {
        const QString last = given.back().mid(2);
        const auto takesValue = [&last](const QCommandLineOption* option) {
            return option->names().contains(last) && !option->valueName().isEmpty();
        };
        if (std::any_of(allOptions.begin(), allOptions.end(), takesValue)) {
            found.Add(DriverText::MissingValue, given.takeLast());
        }
    }
    if (!parser.parse(given)) {
        for (const QString& name : parser.unknownOptionNames()) {
            found.Add(DriverText::UnknownOption, (name.size() == 1 ? "-" : "--") + name);
        }
        if (parser.unknownOptionNames().isEmpty()) problems << parser.errorText();
    }
    if (parser.isSet(help)) {
        // The usage line names the command the user typed, not this program's path.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), QStringLiteral("Usage: %1 [options]").arg(DriverCommandName()));
        std::fputs(qPrintable(text), stdout);
        return ParseOutcome::ShowedHelp;
    }
    for (const QString& argument : parser.positionalArguments()) {
        found.Add(DriverText::UnexpectedArgument, argument);
    }
    const auto lookUp = [&](const QCommandLineOption& option, const auto& table, int& value) {
        if (parser.isSet(option) && !LookUpName(table, parser.value(option), value)) {
            found.Add(DriverText::NotOneOf, "--" + option.names().front(), parser.value(option),
                      Choices(table));
        }
    };
    lookUp(type, kWanTypes, options.wanType);
    lookUp(security, kSecurityModes, options.security);
    lookUp(addressMode, kAddressModes, options.tunnelAddressMode);
    if (parser.isSet(channel)) {
        bool ok = false;
        options.channel = parser.value(channel).toInt(&ok);
        if (!ok || options.channel < 0 || options.channel > 13) {
            found.Add(DriverText::NotAChannel, QStringLiteral("--channel"), parser.value(channel));
        }
    }
    for (const QCommandLineOption* option : {&server, &ip, &gateway, &dns1, &dns2}) {
        CheckAddress(parser, *option, false, found);
    }
    CheckAddress(parser, mask, true, found);

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
    options.saveAnyway = parser.isSet(saveAnyway);
    if (parser.isSet(routerUser)) options.routerUser = parser.value(routerUser);
    if (parser.isSet(routerPassword)) options.routerPassword = parser.value(routerPassword);
    options.resetAdapters = parser.isSet(resetAdapters);
    options.adapterBus = parser.value(bus);
    options.checkOnly = parser.isSet(checkOnly);
    options.joinCode = parser.isSet(joinCode);
    if (parser.isSet(bus) && !options.resetAdapters) {
        found.Add(DriverText::Needs, "--bus " + options.adapterBus, QStringLiteral("--reset-adapters"));
    }
    if (parser.isSet(adapterTypes)) {
        const QString given = parser.value(adapterTypes);
        options.adapterTypes.clear();
        for (const QString& number : given.split(u',')) {
            bool ok = false;
            options.adapterTypes << number.trimmed().toUInt(&ok);
            if (!ok) {
                found.Add(DriverText::NotDeviceTypes, QStringLiteral("--adapter-types"), given);
                break;
            }
        }
        if (!options.resetAdapters) {
            found.Add(DriverText::Needs, "--adapter-types " + given, QStringLiteral("--reset-adapters"));
        }
    }

    if (const QStringList missing = MissingForType(options, parser); !missing.isEmpty()) {
        found.Add(DriverText::Needs, "--type " + parser.value(type), missing.join(u' '));
    }
    CheckWireless(options, parser, found);
    return problems.isEmpty() ? ParseOutcome::Run : ParseOutcome::Failed;
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
    securityPage.wepKeyFormatIndex = IsValidHexKey(options.key) ? 1 : 0;  // the key's length tells
    securityPage.wepKey = options.key;
    securityPage.wpaCipherIndex = 1;  // AES: every WPA2 client speaks it
    securityPage.passphrase = options.key;
    securityPage.keyTime = QStringLiteral("3600");
    return CheckSecurityPage(securityPage, records.securityParams, records.wanStatus);
}

QString OptionForWarning(const QString& warningKey) {
    static const std::array<std::pair<QStringView, const char*>, 16> kOptions{{
        {lang::kMacAddressInvalid, "--mac"},
        {lang::kAccountEmpty, "--account"},
        {lang::kUserNameEmpty, "--account"},
        {lang::kPasswordEmpty, "--account-password"},
        {lang::kAccountUnsendable, "--account"},
        {lang::kUserNameUnsendable, "--account"},
        {lang::kPasswordUnsendable, "--account-password"},
        {lang::kServerIpInvalid, "--server"},
        {lang::kIpAddressInvalid, "--ip"},
        {lang::kSameSegment, "--ip"},
        {lang::kSubnetMaskInvalid, "--mask"},
        {lang::kGatewayInvalid, "--gateway"},
        {lang::kPrimaryDnsInvalid, "--dns1"},
        {lang::kSsidInvalid, "--ssid"},
        {lang::kWepKeyInvalid, "--key"},
        {lang::kWpaKeyInvalid, "--key"},
    }};
    for (const auto& [key, option] : kOptions) {
        if (warningKey == key) return QLatin1String(option);
    }
    return {};
}
