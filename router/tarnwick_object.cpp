#include "tarnwick_object.h"

CTarnwickObject::~CTarnwickObject() {
    if (connection != kNoSocket) CloseSocket(connection);
}

int CTarnwickObject::Fetch(const std::string& address, int port, const std::string& user,
                           const std::string& password, const std::string& path, std::string& reply) {
    return HttpExchange(address, port, user, password, path, {}, reply, true, connection, transportLimits);
}

int CTarnwickObject::Post(const std::string& address, int port, const std::string& user,
                          const std::string& password, const std::string& path, const std::string& body) {
    std::string unread;
    return HttpExchange(address, port, user, password, path, body, unread, false, connection,
                        transportLimits);
}

void CTarnwickObject::SetRouterInfo(const RouterInfo& info) {
    routerInfo = info;
}

void CTarnwickObject::SetMacInfo(const MacInfo& info) {
    macInfo.factoryMac = info.factoryMac;
    macInfo.defaultMac = info.defaultMac;
    macInfo.cloneMac = info.cloneMac;
    macInfo.applyMac = info.applyMac;
}

void CTarnwickObject::SetSecurityParams(const SecurityParams& params) {
    securityParams = params;
}
void CTarnwickObject::SetStaticIpParams(const StaticIpParams& params) {
    staticIpParams = params;
}
void CTarnwickObject::SetPppoeParams(const PppoeParams& params) {
    pppoeParams = params;
}
void CTarnwickObject::SetTunnelParams(const TunnelParams& params) {
    tunnelParams = params;
}
void CTarnwickObject::SetWirelessParams(const WirelessParams& params) {
    wirelessParams = params;
}
void CTarnwickObject::SetExtraParams(const ExtraParams& params) {
    extraParams = params;
}
void CTarnwickObject::SetWanStatus(const WanStatus& status) {
    wanStatus = status;
}

void CTarnwickObject::GetMacInfo(MacInfo& info) {
    info.factoryMac = macInfo.factoryMac;
    info.defaultMac = macInfo.defaultMac;
    info.cloneMac = macInfo.cloneMac;
    info.applyMac = macInfo.applyMac;
}

// The wizard keeps its own memory in the other WanStatus fields.
void CTarnwickObject::GetWanStatus(WanStatus& status) {
    status.connectionType = wanStatus.connectionType;
    status.wanIp = wanStatus.wanIp;
    status.wanMask = wanStatus.wanMask;
    status.wanGateway = wanStatus.wanGateway;
    status.wanMac = wanStatus.wanMac;
}
