// A stand-in router-control library: creates and frees a control object
// that never talks to anything, and counts the objects alive.
#include "dll_object.h"

namespace {

int liveObjects = 0;

class FakeControlObject final : public CDLLObject {
public:
    FakeControlObject() {
        ++liveObjects;
        routerInfo.address = "fake";
    }
    ~FakeControlObject() { --liveObjects; }

    int CheckLogin(std::string, int, std::string, std::string) override { return 1; }
    int CheckWanLink(std::string, int, std::string, std::string) override { return 1; }
    int DetectWanMode(std::string, int, std::string, std::string) override { return 1; }
    int ReadMacInfo(std::string, int, std::string, std::string) override { return 1; }
    int PollWanLink(std::string, int, std::string, std::string) override { return 1; }
    int ConnectWan(std::string, int, std::string, std::string) override { return 1; }
    int ApplyWanSettings(std::string, int, std::string, std::string) override { return 1; }
    int ApplyWirelessBasic(std::string, int, std::string, std::string) override { return 1; }
    int ApplySecurity(std::string, int, std::string, std::string) override { return 1; }
    int ReadWanStatus(std::string, int, std::string, std::string) override { return 1; }
    int ApplyMacClone(std::string, int, std::string, std::string) override { return 1; }
    int ApplyWireless(std::string, int, std::string, std::string) override { return 1; }
    void SetRouterInfo(const RouterInfo& info) override { routerInfo = info; }
    void SetMacInfo(const MacInfo& info) override { macInfo = info; }
    void SetSecurityParams(const SecurityParams& params) override { securityParams = params; }
    void SetStaticIpParams(const StaticIpParams& params) override { staticIpParams = params; }
    void SetPppoeParams(const PppoeParams& params) override { pppoeParams = params; }
    void SetTunnelParams(const TunnelParams& params) override { tunnelParams = params; }
    void SetWirelessParams(const WirelessParams& params) override { wirelessParams = params; }
    void SetExtraParams(const ExtraParams& params) override { extraParams = params; }
    void SetWanStatus(const WanStatus& status) override { wanStatus = status; }
    void GetMacInfo(MacInfo& info) override { info = macInfo; }
    void GetWanStatus(WanStatus& status) override { status = wanStatus; }
};

}  // namespace

extern "C" int LoadObj(CDLLObject** out) {
    *out = new FakeControlObject;
    return 1;
}

extern "C" int FreeObj(CDLLObject* object) {
    delete static_cast<FakeControlObject*>(object);
    return 1;
}

extern "C" int FakeLiveObjects() {
    return liveObjects;
}
