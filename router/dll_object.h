// The binary interface shared by the wizard and the router-control library.
// Both sides are built with the same compiler and standard library, so the
// records travel as plain C++ objects. Keep this header self-contained: it may
// include standard headers only, and the order of every field, record and
// virtual operation below is part of the contract between the two binaries.
#pragma once

#include <string>

static_assert(sizeof(int) == 4, "records use 32-bit ints");
static_assert(sizeof(bool) == 1, "records use 8-bit flags");

// Router login and the chosen WAN connection type.
struct RouterInfo {
    std::string address;  // dotted IPv4 text
    std::string user;
    std::string password;
    int wanType = 0;  // 1 static, 2 dynamic, 3 PPPoE, 4 PPTP, 5 L2TP
    int spare = 0;
};

// WAN MAC addresses as the router writes them (17 characters).
struct MacInfo {
    std::string factoryMac;
    std::string defaultMac;
    std::string cloneMac;
    std::string applyMac;
    std::string spare;
};

struct SecurityParams {
    int mode = 0;  // 0 none, 1 WEP, 2 WPA-PSK, 3 WPA2-PSK
    int wepAuth = 0;
    int wepKeyFormat = 0;  // 0 ASCII, non-zero hexadecimal
    int wepKeyIndex = 0;   // 0..3
    int spare1 = 0;
    std::string wepKey;
    int wpaCipher = 0;  // 0 TKIP, non-zero AES
    int spare2 = 0;
    std::string passphrase;
    int keyRenewalInterval = 0;
};

struct StaticIpParams {
    std::string ip;
    std::string mask;
    std::string gateway;
    std::string dns1;
    std::string dns2;
    std::string spare;
};

struct PppoeParams {
    std::string user;
    std::string password;
    std::string spare;
};

// One record serves PPTP and L2TP; RouterInfo::wanType tells which.
struct TunnelParams {
    std::string server;
    std::string user;
    std::string password;
    int addressMode = 0;  // 1 dynamic, anything else static
    std::string ip;
    std::string mask;
    std::string gateway;
};

struct WirelessParams {
    std::string ssid;
    int channel = 0;       // 0 automatic
    int wirelessMode = 0;  // 1 b/g/n mixed, anything else b/g mixed
    bool broadcastSsid = false;
};

struct ExtraParams {
    std::string text1;
    std::string text2;
    int value = 0;
    std::string text3;
    std::string text4;
    std::string text5;
    std::string text6;
    std::string text7;
};

struct WanStatus {
    std::string connectionType;
    std::string wanIp;
    std::string wanMask;
    std::string wanGateway;
    std::string wanMac;
    // The wizard's own memory for its result page; only SetWanStatus
    // changes these in the held record, GetWanStatus never copies them out.
    std::string extraText;
    int extraValue1 = 0;
    int extraValue2 = 0;
    bool extraFlag = false;
    int extraValue3 = 0;
    std::string extraText2;
};

// The control object. The vtable order is the contract: 0-11 router
// operations, 12-22 setters and getters. There is deliberately no virtual
// destructor; the library alone frees the object, through FreeObj.
class CDLLObject {
public:
    // 0-11: router operations (address, port, user, password by value)
    virtual int CheckLogin(std::string address, int port, std::string user, std::string password) = 0;
    virtual int CheckWanLink(std::string address, int port, std::string user, std::string password) = 0;
    virtual int DetectWanMode(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ReadMacInfo(std::string address, int port, std::string user, std::string password) = 0;
    virtual int PollWanLink(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ConnectWan(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ApplyWanSettings(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ApplyWirelessBasic(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ApplySecurity(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ReadWanStatus(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ApplyMacClone(std::string address, int port, std::string user, std::string password) = 0;
    virtual int ApplyWireless(std::string address, int port, std::string user, std::string password) = 0;

    // 12-22: setters copy the caller's record in, getters copy out
    virtual void SetRouterInfo(const RouterInfo& info) = 0;
    virtual void SetMacInfo(const MacInfo& info) = 0;
    virtual void SetSecurityParams(const SecurityParams& params) = 0;
    virtual void SetStaticIpParams(const StaticIpParams& params) = 0;
    virtual void SetPppoeParams(const PppoeParams& params) = 0;
    virtual void SetTunnelParams(const TunnelParams& params) = 0;
    virtual void SetWirelessParams(const WirelessParams& params) = 0;
    virtual void SetExtraParams(const ExtraParams& params) = 0;
    virtual void SetWanStatus(const WanStatus& status) = 0;
    virtual void GetMacInfo(MacInfo& info) = 0;
    virtual void GetWanStatus(WanStatus& status) = 0;

    RouterInfo routerInfo;
    MacInfo macInfo;
    SecurityParams securityParams;
    StaticIpParams staticIpParams;
    PppoeParams pppoeParams;
    WirelessParams wirelessParams;
    TunnelParams tunnelParams;
    ExtraParams extraParams;
    WanStatus wanStatus;

protected:
    CDLLObject() = default;
    ~CDLLObject() = default;  // not virtual: only FreeObj destroys the object
    CDLLObject(const CDLLObject&) = delete;
    CDLLObject& operator=(const CDLLObject&) = delete;
};

// The two exports of the library, resolved by name at run time.
using LoadObjFunction = int (*)(CDLLObject** out);
using FreeObjFunction = int (*)(CDLLObject* object);
inline constexpr const char* kLoadObjSymbol = "LoadObj";
inline constexpr const char* kFreeObjSymbol = "FreeObj";
