// The wireless side and the WAN MAC clone.
#include "boundary_guard.h"
#include "form_bodies.h"
#include "router_paths.h"
#include "tarnwick_object.h"

int CTarnwickObject::ApplyWirelessBasic(std::string address, int port, std::string user,
                                        std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        return Delivered(Post(address, port, user, password, kWirelessBasicForm,
                              BuildWirelessBasicBody(wirelessParams)))
                   ? kResultYes
                   : kResultNotReached;
    });
}

int CTarnwickObject::ApplySecurity(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        return Delivered(
                   Post(address, port, user, password, kApSecurityForm, BuildSecurityBody(securityParams)))
                   ? kResultYes
                   : kResultNotReached;
    });
}

// Only the security step decides the result: the wizard repeats the pair on -1.
int CTarnwickObject::ApplyWireless(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        ApplyWirelessBasic(address, port, user, password);
        transportLimits.pause(wirelessPause);
        return ApplySecurity(address, port, user, password) == kResultNotReached ? kResultNotReached
                                                                                 : kResultYes;
    });
}

int CTarnwickObject::ApplyMacClone(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNo, [&] {
        return Delivered(Post(address, port, user, password, kAdvSetMacCloneForm,
                              BuildMacCloneBody(macInfo.applyMac)))
                   ? kResultYes
                   : kResultNo;
    });
}
