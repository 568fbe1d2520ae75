#include "tarnwick_object.h"

#include "boundary_guard.h"

ExchangeOutcome CTarnwickObject::Fetch(const std::string& address, int port, const std::string& user,
                                       const std::string& password, const std::string& path,
                                       std::string& reply) {
    return HttpExchange(address, port, user, password, path, {}, reply, true, connection, transportLimits);
}

ExchangeOutcome CTarnwickObject::Post(const std::string& address, int port, const std::string& user,
                                      const std::string& password, const std::string& path,
                                      const std::string& body) {
    std::string unread;
    return HttpExchange(address, port, user, password, path, body, unread, false, connection,
                        transportLimits);
}

void CTarnwickObject::SetRouterInfo(const RouterInfo& info) {
    Guarded([&] { ReplaceWhole(routerInfo, info); });
}

// The spare field is the library's own.
void CTarnwickObject::SetMacInfo(const MacInfo& info) {
    Guarded([&] {
        MacInfo updated = info;
        updated.spare = macInfo.spare;
        macInfo = std::move(updated);
    });
}

void CTarnwickObject::SetSecurityParams(const SecurityParams& params) {
    Guarded([&] { ReplaceWhole(securityParams, params); });
}
void CTarnwickObject::SetStaticIpParams(const StaticIpParams& params) {
    Guarded([&] { ReplaceWhole(staticIpParams, params); });
}
void CTarnwickObject::SetPppoeParams(const PppoeParams& params) {
    Guarded([&] { ReplaceWhole(pppoeParams, params); });
}
void CTarnwickObject::SetTunnelParams(const TunnelParams& params) {
    Guarded([&] { ReplaceWhole(tunnelParams, params); });
}
void CTarnwickObject::SetWirelessParams(const WirelessParams& params) {
    Guarded([&] { ReplaceWhole(wirelessParams, params); });
}
void CTarnwickObject::SetExtraParams(const ExtraParams& params) {
    Guarded([&] { ReplaceWhole(extraParams, params); });
}
void CTarnwickObject::SetWanStatus(const WanStatus& status) {
    Guarded([&] { ReplaceWhole(wanStatus, status); });
}

// The caller's spare field is the caller's.
void CTarnwickObject::GetMacInfo(MacInfo& info) {
    Guarded([&] {
        MacInfo copied = macInfo;
        copied.spare = std::move(info.spare);
        info = std::move(copied);
    });
}

// The wizard keeps its own memory in the other WanStatus fields.
void CTarnwickObject::GetWanStatus(WanStatus& status) {
    Guarded([&] {
        WanStatus copied = status;
        copied.connectionType = wanStatus.connectionType;
        copied.wanIp = wanStatus.wanIp;
        copied.wanMask = wanStatus.wanMask;
        copied.wanGateway = wanStatus.wanGateway;
        copied.wanMac = wanStatus.wanMac;
        status = std::move(copied);
    });
}
