// A simulated home router web administration on loopback: the test double
// and demo peer of the router-control library. It speaks just enough HTTP to
// look like an embedded router (Basic authorisation, status pages with
// script variables, form handlers that keep state, one connection per
// request) and can misbehave on purpose through its fault modes.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace routersim {

enum class Fault { None, Silent, Reset, Drip, DripForever, KeepAlive, Huge, Garbage, Http10Unauthorized };

struct Options {
    std::string address = "127.0.0.1";  // refuse anything outside 127.0.0.0/8
    // ...unless the starting thread has entered a network namespace other than
    // the one the program started in: a test that made one (veth pairs, a DHCP
    // server on the far side) may have the router listen on an address there.
    bool inTestNamespace = false;
    uint16_t port = 80;  // 0 = ephemeral
    std::string user = "admin", password = "kvmzt";
    char detectedMode = '3';  // the digit (or any character) WizardModeSel answers
    std::string ispUser = "isp-user", ispPassword = "isp-pass";  // the account the ISP accepts
    std::chrono::milliseconds linkDelay{1500};    // WAN link comes up this long after a connect
    std::chrono::milliseconds restartTime{3000};  // refuses connections this long after rebootTag=1
    Fault fault = Fault::None;
    std::chrono::milliseconds dripInterval{50};  // pause between dripped bytes
    std::size_t hugeSize = 16 * 1024 * 1024;     // bytes of the huge page
    // MAC addresses from the documentation range (00:00:5E:00:53:xx).
    std::string factoryMac = "00:00:5E:00:53:2A";  // burnt into the WAN port
    std::string hostMac = "00:00:5E:00:53:C1";     // the PC the router sees on its LAN (what "clone" copies)
};

// The router's own WAN type codes ("WANT"), also its connection type index.
inline constexpr int kWanStatic = 1;
inline constexpr int kWanDynamic = 2;
inline constexpr int kWanPppoe = 3;
inline constexpr int kWanL2tp = 4;
inline constexpr int kWanPptp = 5;

// What the simulated ISP hands out to dynamic, PPPoE and dynamic-tunnel links.
inline constexpr const char* kIspNetworkPrefix = "203.0.113.";
inline constexpr const char* kIspMask = "255.255.255.0";
inline constexpr const char* kIspGateway = "203.0.113.1";

struct StaticWanSettings {
    std::string ip, mask, gateway, dns1, dns2;
};
struct PppoeWanSettings {
    std::string user, password;
};
struct TunnelWanSettings {
    std::string server, user, password;
    std::string addressMode;  // "1" static, "2" dynamic
    std::string ip, mask, gateway;
};
struct WirelessSettings {
    std::string ssid = "default";
    std::string mode = "9";  // the form's wirelessmode value
    std::string channel = "6";
    std::string extensionChannel = "2";
    std::string broadcastSsid = "1";
};
struct SecuritySettings {
    std::string mode = "Disable";  // Disable, OPEN, SHARED, WPAPSK, WPA2PSK
    std::string defaultKey = "1";
    std::array<std::string, 4> wepKeys;
    std::array<std::string, 4> wepKeySelect{"1", "1", "1", "1"};  // 1 ASCII, 0 hexadecimal
    std::string cipher = "0";                                     // 0 TKIP, 1 AES
    std::string passphrase;
    std::string keyRenewalInterval = "3600";
};

// Everything the router believes at one moment (a copy; values as decoded
// from the forms, before any check the router makes when it uses them).
struct RouterState {
    int wanType = kWanDynamic;  // WANT code; also what conTypeIdx shows
    StaticWanSettings staticIp;
    PppoeWanSettings pppoe;
    TunnelWanSettings l2tp, pptp;
    WirelessSettings wireless;
    SecuritySettings security;

    std::string factoryMac;  // fac_MAC
    std::string defaultMac;  // def_MAC: the address the WAN port uses now
    std::string cloneMac;    // cln_MAC: the LAN host's address, offered for cloning
    std::string wanMac;      // wan_mac on the status page (same as defaultMac)
    std::string pendingMac;  // WMAC of the last accepted clone form, used from the next restart on
    bool cloneEnabled = false;

    bool connectRequested = false;  // a WAN connect was asked for (or the router redialled at boot)
    bool linkUp = false;
    std::string cableDSL = "0";              // "2" connected, "1" connecting, "0" idle
    std::string wanIp, wanMask, wanGateway;  // empty while the link is down
    int connectionTypeIndex = kWanDynamic;

    int connectRequests = 0;
    int restartCount = 0;
    bool restarting = false;  // nothing listens until the restart is over

    // Last form of each handler path ("/goform/WizardHandle" ...), decoded and raw.
    std::map<std::string, std::map<std::string, std::string>> lastForms;
    std::map<std::string, std::string> lastRawForms;
};

class RouterSim {
public:
    explicit RouterSim(Options options);
    ~RouterSim();  // stops
    RouterSim(const RouterSim&) = delete;
    RouterSim& operator=(const RouterSim&) = delete;

    bool start();  // binds and runs on its own thread; false when it cannot listen
    void stop();
    uint16_t port() const;                      // the bound port (useful with port 0)
    std::vector<std::string> requests() const;  // every raw request, bytes exactly as received, in order
    RouterState state() const;                  // a consistent copy
    // Posting clients do not wait for the reply: tests wait here before reading state.
    bool waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;
    void setFault(Fault fault);  // switch fault mode while running
    const Options& options() const;

private:
    class Server;
    std::unique_ptr<Server> server_;
};

bool parseFault(std::string_view name,
                Fault& out);  // none silent reset drip drip-forever keep-alive huge garbage http10-401
std::string_view faultName(Fault fault);
bool isLoopbackAddress(std::string_view address);  // dotted IPv4 inside 127.0.0.0/8

}  // namespace routersim
