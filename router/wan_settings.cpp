// The WAN side: mode detection, connecting, and the wizard's WAN form.
#include "boundary_guard.h"
#include "form_bodies.h"
#include "router_paths.h"
#include "tarnwick_object.h"

namespace {
// The detection's digits; anything else means the router could not tell.
constexpr char kFirstDetectedMode = '1';
constexpr char kLastDetectedMode = '4';
}  // namespace

int CTarnwickObject::DetectWanMode(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        std::string reply;
        if (!Delivered(Fetch(address, port, user, password, kWizardModeSelForm, reply)))
            return kResultNotReached;
        // The router answers with a bare digit, no HTTP status line.
        const char mode = reply.front();
        return mode >= kFirstDetectedMode && mode <= kLastDetectedMode ? mode - '0' : kResultNo;
    });
}

int CTarnwickObject::ConnectWan(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNo, [&] {
        return Delivered(Post(address, port, user, password, kSysStatusHandleForm, kConnectWanBody))
                   ? kResultYes
                   : kResultNo;
    });
}

int CTarnwickObject::ApplyWanSettings(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        const std::string body =
            BuildWanSettingsBody(routerInfo.wanType, staticIpParams, pppoeParams, tunnelParams);
        return Delivered(Post(address, port, user, password, kWizardHandleForm, body)) ? kResultYes
                                                                                       : kResultNotReached;
    });
}
