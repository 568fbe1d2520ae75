// The control object the wizard holds: the records it fills page by page and
// the router operations that send them.
#pragma once

#include "dll_object.h"
#include "http_transport.h"
#include "owned_socket.h"

#include <chrono>
#include <string>

// The operations' results as the wizard reads them. Each operation says what
// its yes and no mean; the not-reached code is -1, except for ConnectWan and
// ApplyMacClone, which report a send that failed as 0.
inline constexpr int kResultYes = 1;
inline constexpr int kResultNo = 0;
inline constexpr int kResultNotReached = -1;

class CTarnwickObject : public CDLLObject {
public:
    CTarnwickObject() = default;
    // Virtual here (appended after the shared operations, so the shared
    // vtable order is untouched) so FreeObj and test doubles destroy alike.
    virtual ~CTarnwickObject() = default;

    int CheckLogin(std::string address, int port, std::string user, std::string password) override;
    int CheckWanLink(std::string address, int port, std::string user, std::string password) override;
    int DetectWanMode(std::string address, int port, std::string user, std::string password) override;
    int ReadMacInfo(std::string address, int port, std::string user, std::string password) override;
    int PollWanLink(std::string address, int port, std::string user, std::string password) override;
    int ConnectWan(std::string address, int port, std::string user, std::string password) override;
    int ApplyWanSettings(std::string address, int port, std::string user, std::string password) override;
    int ApplyWirelessBasic(std::string address, int port, std::string user, std::string password) override;
    int ApplySecurity(std::string address, int port, std::string user, std::string password) override;
    int ReadWanStatus(std::string address, int port, std::string user, std::string password) override;
    int ApplyMacClone(std::string address, int port, std::string user, std::string password) override;
    int ApplyWireless(std::string address, int port, std::string user, std::string password) override;

    void SetRouterInfo(const RouterInfo& info) override;
    void SetMacInfo(const MacInfo& info) override;
    void SetSecurityParams(const SecurityParams& params) override;
    void SetStaticIpParams(const StaticIpParams& params) override;
    void SetPppoeParams(const PppoeParams& params) override;
    void SetTunnelParams(const TunnelParams& params) override;
    void SetWirelessParams(const WirelessParams& params) override;
    void SetExtraParams(const ExtraParams& params) override;
    void SetWanStatus(const WanStatus& status) override;
    void GetMacInfo(MacInfo& info) override;
    void GetWanStatus(WanStatus& status) override;

    // The exchange in progress, or the socket a failed exchange left open.
    OwnedSocket connection;
    TransportLimits transportLimits;
    // Lets the router take in the wireless form before the security form.
    std::chrono::milliseconds wirelessPause{2000};

private:
    // HttpExchange with this object's socket and limits.
    ExchangeOutcome Fetch(const std::string& address, int port, const std::string& user,
                          const std::string& password, const std::string& path, std::string& reply);
    ExchangeOutcome Post(const std::string& address, int port, const std::string& user,
                         const std::string& password, const std::string& path, const std::string& body);
};
