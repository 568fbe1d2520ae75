#include "form_bodies.h"

#include "setup_vocabulary.h"

namespace {

// ---- WAN ("/goform/WizardHandle") ----

// The form's WANT codes: the router numbers the two tunnels the other way round.
constexpr const char* kWantStaticIp = "1";
constexpr const char* kWantDynamicIp = "2";
constexpr const char* kWantPppoe = "3";
constexpr const char* kWantL2tp = "4";
constexpr const char* kWantPptp = "5";

// The form's own address modes for a tunnel.
constexpr const char* kFormAddressStatic = "1";
constexpr const char* kFormAddressDynamic = "2";

// The tunnel fields the router's wizard form always lists, here left empty.
std::string EmptyTunnelFields(const std::string& prefix) {
    return "&" + prefix + "IP=&" + prefix + "PUN=&" + prefix + "PPW=&" + prefix + "AdrMode=&" + prefix +
           "WANIP=&" + prefix + "WANMSK=&" + prefix + "WANGW=";
}

struct ClassicWanFields {
    std::string ip, mask, gateway, user, password, dns1, dns2;
};

std::string ClassicWanHead(const char* want, const ClassicWanFields& fields) {
    return std::string("GO=wizard.asp&WANT=") + want + "&WANIP=" + fields.ip + "&WANMSK=" + fields.mask +
           "&WANGW=" + fields.gateway + "&PUN=" + fields.user + "&PPW=" + fields.password +
           "&DNS1=" + fields.dns1 + "&DNS2=" + fields.dns2;
}

// Static IP, dynamic IP and PPPoE share one form; only their own fields are filled.
std::string ClassicWanBody(const char* want, const ClassicWanFields& fields) {
    return ClassicWanHead(want, fields) + EmptyTunnelFields("l2tp") + EmptyTunnelFields("pptp") +
           "&x1AdrMode=&x1_name=&x1_pwd=&rebootTag=";
}

// A dynamic tunnel address lets the router obtain its WAN address.
std::string TunnelFields(const std::string& prefix, const TunnelParams& tunnel) {
    std::string fields = "&" + prefix + "IP=" + tunnel.server + "&" + prefix + "PUN=" + tunnel.user + "&" +
                         prefix + "PPW=" + tunnel.password + "&" + prefix + "AdrMode=";
    if (tunnel.addressMode == kTunnelAddressDynamic) return fields + kFormAddressDynamic;
    return fields + kFormAddressStatic + "&" + prefix + "WANIP=" + tunnel.ip + "&" + prefix +
           "WANMSK=" + tunnel.mask + "&" + prefix + "WANGW=" + tunnel.gateway;
}

std::string PptpBody(const TunnelParams& tunnel) {
    return std::string("GO=wizard.asp&WANT=") + kWantPptp + TunnelFields("pptp", tunnel);
}

std::string L2tpBody(const TunnelParams& tunnel) {
    std::string body = ClassicWanHead(kWantL2tp, {}) + TunnelFields("l2tp", tunnel);
    if (tunnel.addressMode != kTunnelAddressDynamic) body += EmptyTunnelFields("pptp") + "&rebootTag=";
    return body;
}

// ---- Wireless ("/goform/wirelessBasic") ----

// The 40 MHz extension channel sits four channels above for 1-4, four below otherwise.
constexpr long long kExtensionChannelOffset = 4;
long long ExtensionChannel(long long channel) {
    return channel >= 1 && channel <= kExtensionChannelOffset ? channel + kExtensionChannelOffset
                                                              : channel - kExtensionChannelOffset;
}

// ---- Security ("/goform/APSecurity") ----

constexpr const char* kDisabledWepKey = "60718";
constexpr const char* kRadiusFields =
    "&PreAuthentication=0&ieee8021x_wep=0"
    "&RadiusServerIP=&RadiusServerPort=1812&RadiusServerSecret=&RadiusServerSessionTimeout=0";

std::string SecurityHead(const char* securityMode, const std::string& defaultKey) {
    return std::string("ssidIndex=0&security_mode=") + securityMode +
           "&security_shared_mode=WEP&wep_default_key=" + defaultKey;
}

std::string AllWepKeys(const std::string& keyText) {
    std::string fields;
    for (int key = 1; key <= kWepKeyCount; ++key) {
        const std::string number = std::to_string(key);
        fields += "&wep_key_" + number + "=" + keyText + "&WEP" + number + "Select=1";
    }
    return fields;
}

// The router's own default-key field says 2 for a mode of none, 1 for any unknown mode.
std::string DisabledSecurityBody(int mode) {
    return SecurityHead("Disable", mode == kSecurityDisabled ? "2" : "1") + AllWepKeys(kDisabledWepKey) +
           kRadiusFields;
}

std::string WpaTail(const SecurityParams& security) {
    return std::string("&cipher=") + (security.wpaCipher != kWpaCipherTkip ? "1" : "0") +
           "&passphrase=" + security.passphrase +
           "&keyRenewalInterval=" + std::to_string(security.keyRenewalInterval) + kRadiusFields;
}

// The router's WEP form, per chosen key: what comes before the key text and
// what follows it for an ASCII or a hexadecimal key. Key 4 in hexadecimal is
// the router form's own odd shape.
struct WepKeyLayout {
    const char* beforeAscii;
    const char* beforeHex;
    const char* afterAscii;
    const char* afterHex;
};
constexpr WepKeyLayout kWepKeyLayouts[kWepKeyCount] = {
    {"&wep_key_1=", "&wep_key_1=", "&WEP1Select=1&WEP2Select=1&WEP3Select=1&WEP4Select=1",
     "&WEP1Select=0&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
    {"&WEP1Select=1&wep_key_2=", "&WEP1Select=1&wep_key_2=", "&WEP2Select=1&WEP3Select=1&WEP4Select=1",
     "&WEP2Select=0&WEP3Select=1&WEP4Select=1"},
    {"&WEP1Select=1&WEP2Select=1&wep_key_3=", "&WEP1Select=1&WEP2Select=1&wep_key_3=",
     "&WEP3Select=1&WEP4Select=1", "&WEP3Select=0&WEP4Select=1"},
    {"&WEP1Select=1&WEP2Select=1&WEP3Select=1&wep_key_4=",
     "&wep_key_1=&wep_key_2=&WEP2Select=1&WEP3Select=1&wep_key_4=", "&WEP4Select=1", "&WEP4Select=0"},
};

std::string WepBody(const SecurityParams& security) {
    std::string body = SecurityHead(security.wepAuth == kWepAuthOpen ? "OPEN" : "SHARED",
                                    std::to_string(static_cast<long long>(security.wepKeyIndex) + 1));
    if (security.wepKeyIndex < 0 || security.wepKeyIndex >= kWepKeyCount) return body;
    const WepKeyLayout& layout = kWepKeyLayouts[security.wepKeyIndex];
    const bool ascii = security.wepKeyFormat == kWepKeyAscii;
    return body + (ascii ? layout.beforeAscii : layout.beforeHex) + security.wepKey +
           (ascii ? layout.afterAscii : layout.afterHex);
}

}  // namespace

std::string BuildWanSettingsBody(int wanType, const StaticIpParams& staticIp, const PppoeParams& pppoe,
                                 const TunnelParams& tunnel) {
    switch (wanType) {
        case kWanStaticIp:
            return ClassicWanBody(kWantStaticIp, {staticIp.ip, staticIp.mask, staticIp.gateway, "", "",
                                                  staticIp.dns1, staticIp.dns2});
        case kWanDynamicIp:
            return ClassicWanBody(kWantDynamicIp, {});
        case kWanPppoe:
            return ClassicWanBody(kWantPppoe, {"", "", "", pppoe.user, pppoe.password, "", ""});
        case kWanPptp:
            return PptpBody(tunnel);
        case kWanL2tp:
            return L2tpBody(tunnel);
        default:
            return {};
    }
}

std::string BuildWirelessBasicBody(const WirelessParams& wireless) {
    const bool mixedN = wireless.wirelessMode == kWirelessMixedN;
    std::string body = std::string("enablewireless=1&enablewirelessEx=1&wirelessmode=") +
                       (mixedN ? "9" : "0") + "&bssid_num=1&ssid=" + wireless.ssid +
                       "&mssid_1=&broadcastssid=" + (wireless.broadcastSsid ? "1" : "0") +
                       "&apisolated=0&mbssidapisolated=0" +
                       "&sz11gChannel=" + std::to_string(wireless.channel);
    if (!mixedN) return body + "&n_mode=0&n_bandwidth=1&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0";
    body += "&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1";
    if (wireless.channel != kChannelAutomatic)
        body += "&n_extcha=" + std::to_string(ExtensionChannel(wireless.channel));
    return body + "&n_amsdu=0";
}

std::string BuildSecurityBody(const SecurityParams& security) {
    switch (security.mode) {
        case kSecurityWep:
            return WepBody(security);
        case kSecurityWpa:
            return SecurityHead("WPAPSK", "1") + AllWepKeys("") + WpaTail(security);
        case kSecurityWpa2:
            return SecurityHead("WPA2PSK", "1") + "&WEP1Select=1&WEP2Select=1&WEP3Select=1&WEP4Select=1" +
                   WpaTail(security);
        default:
            return DisabledSecurityBody(security.mode);
    }
}

std::string BuildMacCloneBody(const std::string& applyMac) {
    return "GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=" + applyMac;
}
