#include "router_model.h"

#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "address_rules.h"

namespace routersim {
namespace {

// A form updates only the fields it carries: the wizard's WEP bodies, for
// instance, send just the chosen key and the router keeps the others.
void assignIfPresent(const FormFields& form, const std::string& key, std::string& target) {
    if (const auto found = form.find(key); found != form.end()) target = found->second;
}

void assignTunnel(const FormFields& form, const std::string& prefix, TunnelWanSettings& tunnel) {
    const std::initializer_list<std::pair<const char*, std::string*>> fields = {
        {"IP", &tunnel.server},           {"PUN", &tunnel.user}, {"PPW", &tunnel.password},
        {"AdrMode", &tunnel.addressMode}, {"WANIP", &tunnel.ip}, {"WANMSK", &tunnel.mask},
        {"WANGW", &tunnel.gateway}};
    for (const auto& [suffix, target] : fields) assignIfPresent(form, prefix + suffix, *target);
}

bool isStaticTunnel(const TunnelWanSettings& tunnel) {
    return tunnel.addressMode == "1";
}

const TunnelWanSettings* tunnelOf(const RouterState& state) {
    if (state.wanType == kWanL2tp) return &state.l2tp;
    if (state.wanType == kWanPptp) return &state.pptp;
    return nullptr;
}

// A stable lease per WAN MAC, so a cloned MAC visibly gets another address.
std::string ispLeaseFor(const std::string& wanMac) {
    const long lastOctet =
        wanMac.size() >= 2 ? std::strtol(wanMac.substr(wanMac.size() - 2).c_str(), nullptr, 16) : 0;
    return kIspNetworkPrefix + std::to_string(10 + lastOctet % 240);
}

}  // namespace

RouterModel::RouterModel(const Options& options)
    : ispUser_(options.ispUser),
      ispPassword_(options.ispPassword),
      linkDelay_(std::chrono::duration_cast<Clock::duration>(options.linkDelay)) {
    stored_.factoryMac = normaliseMac(options.factoryMac).value_or(options.factoryMac);
    stored_.cloneMac = normaliseMac(options.hostMac).value_or(options.hostMac);
    stored_.wanMac = stored_.factoryMac;
}

void RouterModel::applyWanSettings(const FormFields& form, Clock::time_point now) {
    const auto want = form.find("WANT");
    if (want == form.end() || want->second.size() != 1 || want->second[0] < '1' || want->second[0] > '5')
        return;
    stored_.wanType = want->second[0] - '0';
    switch (stored_.wanType) {
        case kWanStatic:
            assignIfPresent(form, "WANIP", stored_.staticIp.ip);
            assignIfPresent(form, "WANMSK", stored_.staticIp.mask);
            assignIfPresent(form, "WANGW", stored_.staticIp.gateway);
            assignIfPresent(form, "DNS1", stored_.staticIp.dns1);
            assignIfPresent(form, "DNS2", stored_.staticIp.dns2);
            break;
        case kWanPppoe:
            assignIfPresent(form, "PUN", stored_.pppoe.user);
            assignIfPresent(form, "PPW", stored_.pppoe.password);
            break;
        case kWanL2tp:
            assignTunnel(form, "l2tp", stored_.l2tp);
            break;
        case kWanPptp:
            assignTunnel(form, "pptp", stored_.pptp);
            break;
        default:
            break;
    }
    linkUpAt_.reset();
    if (stored_.connectRequested) scheduleLink(now);
}

void RouterModel::requestConnect(Clock::time_point now) {
    ++stored_.connectRequests;
    stored_.connectRequested = true;
    // A link already up or on its way is not redialled.
    if (!linkUpAt_) scheduleLink(now);
}

void RouterModel::applyWirelessBasic(const FormFields& form) {
    WirelessSettings& wireless = stored_.wireless;
    assignIfPresent(form, "ssid", wireless.ssid);
    assignIfPresent(form, "wirelessmode", wireless.mode);
    assignIfPresent(form, "sz11gChannel", wireless.channel);
    assignIfPresent(form, "n_extcha", wireless.extensionChannel);
    assignIfPresent(form, "broadcastssid", wireless.broadcastSsid);
}

void RouterModel::applySecurity(const FormFields& form) {
    SecuritySettings& security = stored_.security;
    assignIfPresent(form, "security_mode", security.mode);
    assignIfPresent(form, "wep_default_key", security.defaultKey);
    for (std::size_t i = 0; i < security.wepKeys.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        assignIfPresent(form, "wep_key_" + number, security.wepKeys[i]);
        assignIfPresent(form, "WEP" + number + "Select", security.wepKeySelect[i]);
    }
    assignIfPresent(form, "cipher", security.cipher);
    assignIfPresent(form, "passphrase", security.passphrase);
    assignIfPresent(form, "keyRenewalInterval", security.keyRenewalInterval);
}

bool RouterModel::applyMacClone(const FormFields& form) {
    if (const auto enable = form.find("cloneEn"); enable != form.end()) {
        if (enable->second != "1") {
            stored_.cloneEnabled = false;
        } else if (const auto wmac = form.find("WMAC"); wmac != form.end()) {
            // A malformed address is refused; the router keeps what it had.
            if (const auto mac = normaliseMac(wmac->second)) {
                stored_.cloneEnabled = true;
                stored_.pendingMac = *mac;
            }
        }
    }
    const auto reboot = form.find("rebootTag");
    return reboot != form.end() && reboot->second == "1";
}

void RouterModel::beginRestart() {
    stored_.restarting = true;
    ++stored_.restartCount;
    linkUpAt_.reset();
}

void RouterModel::finishRestart(Clock::time_point now) {
    stored_.restarting = false;
    if (!stored_.cloneEnabled) {
        stored_.wanMac = stored_.factoryMac;
    } else if (!stored_.pendingMac.empty()) {
        stored_.wanMac = stored_.pendingMac;
    }
    // The router dials its WAN by itself when it boots.
    stored_.connectRequested = true;
    scheduleLink(now);
}

void RouterModel::rememberForm(const std::string& path, const FormFields& form, const std::string& raw) {
    stored_.lastForms[path] = form;
    stored_.lastRawForms[path] = raw;
}

RouterState RouterModel::snapshot(Clock::time_point now) const {
    RouterState state = stored_;
    state.connectionTypeIndex = state.wanType;
    state.defaultMac = state.wanMac;
    state.linkUp = !state.restarting && linkUpAt_ && now >= *linkUpAt_;
    const char linkValue = state.linkUp ? '2' : (state.connectRequested && !state.restarting ? '1' : '0');
    state.cableDSL.assign(1, linkValue);
    if (!state.linkUp) return state;

    const TunnelWanSettings* tunnel = tunnelOf(state);
    if (state.wanType == kWanStatic) {
        state.wanIp = state.staticIp.ip;
        state.wanMask = state.staticIp.mask;
        state.wanGateway = state.staticIp.gateway;
    } else if (tunnel && isStaticTunnel(*tunnel)) {
        state.wanIp = tunnel->ip;
        state.wanMask = tunnel->mask;
        state.wanGateway = tunnel->gateway;
    } else {
        state.wanIp = ispLeaseFor(state.wanMac);
        state.wanMask = kIspMask;
        state.wanGateway = kIspGateway;
    }
    return state;
}

bool RouterModel::ispAccountMatches(const std::string& user, const std::string& password) const {
    return user == ispUser_ && password == ispPassword_;
}

bool RouterModel::linkAcceptable() const {
    if (stored_.wanType == kWanStatic) {
        const StaticWanSettings& s = stored_.staticIp;
        return isUsableStaticWan(s.ip, s.mask, s.gateway);
    }
    if (stored_.wanType == kWanPppoe) return ispAccountMatches(stored_.pppoe.user, stored_.pppoe.password);
    if (const TunnelWanSettings* tunnel = tunnelOf(stored_)) {
        return !tunnel->server.empty() && ispAccountMatches(tunnel->user, tunnel->password) &&
               (!isStaticTunnel(*tunnel) || isUsableStaticWan(tunnel->ip, tunnel->mask, tunnel->gateway));
    }
    return true;  // dynamic: the ISP's DHCP always answers
}

void RouterModel::scheduleLink(Clock::time_point now) {
    if (linkAcceptable()) {
        linkUpAt_ = now + linkDelay_;
    } else {
        linkUpAt_.reset();
    }
}

}  // namespace routersim
