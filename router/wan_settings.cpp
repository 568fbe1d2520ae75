// The WAN side: mode detection, connecting, and the wizard's WAN form.
#include "form_bodies.h"
#include "router_paths.h"
#include "tarnwick_object.h"

int CTarnwickObject::DetectWanMode(std::string address, int port, std::string user, std::string password) {
    std::string reply;
    if (!Fetch(address, port, user, password, kWizardModeSelForm, reply)) return -1;
    // The router answers with a bare digit, no HTTP status line.
    const char mode = reply.front();
    return mode >= '1' && mode <= '4' ? mode - '0' : 0;
}

int CTarnwickObject::ConnectWan(std::string address, int port, std::string user, std::string password) {
    return Post(address, port, user, password, kSysStatusHandleForm, kConnectWanBody) ? 1 : 0;
}

int CTarnwickObject::ApplyWanSettings(std::string address, int port, std::string user, std::string password) {
    const std::string body =
        BuildWanSettingsBody(routerInfo.wanType, staticIpParams, pppoeParams, tunnelParams);
    return Post(address, port, user, password, kWizardHandleForm, body) ? 1 : -1;
}
