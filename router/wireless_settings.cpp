// The wireless side and the WAN MAC clone.
#include "form_bodies.h"
#include "router_paths.h"
#include "tarnwick_object.h"

int CTarnwickObject::ApplyWirelessBasic(std::string address, int port, std::string user,
                                        std::string password) {
    return Post(address, port, user, password, kWirelessBasicForm, BuildWirelessBasicBody(wirelessParams))
               ? 1
               : -1;
}

int CTarnwickObject::ApplySecurity(std::string address, int port, std::string user, std::string password) {
    return Post(address, port, user, password, kApSecurityForm, BuildSecurityBody(securityParams)) ? 1 : -1;
}

// Only the security step decides the result: the wizard repeats the pair on -1.
int CTarnwickObject::ApplyWireless(std::string address, int port, std::string user, std::string password) {
    ApplyWirelessBasic(address, port, user, password);
    transportLimits.pause(wirelessPause);
    return ApplySecurity(address, port, user, password) == -1 ? -1 : 1;
}

int CTarnwickObject::ApplyMacClone(std::string address, int port, std::string user, std::string password) {
    return Post(address, port, user, password, kAdvSetMacCloneForm, BuildMacCloneBody(macInfo.applyMac)) ? 1
                                                                                                         : 0;
}
