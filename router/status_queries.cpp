// The reading operations: login check, link check, MAC and WAN status reads.
#include "boundary_guard.h"
#include "browser_proxy.h"
#include "login_reply.h"
#include "page_values.h"
#include "router_paths.h"
#include "tarnwick_object.h"

namespace {
// The status page's cableDSL value while the WAN link is up.
constexpr const char* kCableLinkUp = "2";
}  // namespace

int CTarnwickObject::CheckLogin(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        DisableBrowserProxy();
        std::string reply;
        if (!Delivered(Fetch(address, port, user, password, kMainPage, reply))) return kResultNotReached;
        return ReplyRefusesLogin(reply) ? kResultNo : kResultYes;
    });
}

int CTarnwickObject::CheckWanLink(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        std::string reply;
        if (!Delivered(Fetch(address, port, user, password, kSystemStatusPage, reply)))
            return kResultNotReached;
        return ExtractFirstCapture(reply, kCableDslPattern) == kCableLinkUp ? kResultYes : kResultNo;
    });
}

int CTarnwickObject::PollWanLink(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] { return CheckWanLink(address, port, user, password); });
}

// The record changes only once the whole page is read.
int CTarnwickObject::ReadMacInfo(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        std::string reply;
        if (!Delivered(Fetch(address, port, user, password, kMacClonePage, reply))) return kResultNotReached;
        MacInfo read = macInfo;
        ReadMacValues(reply, read);
        macInfo = std::move(read);
        return kResultYes;
    });
}

int CTarnwickObject::ReadWanStatus(std::string address, int port, std::string user, std::string password) {
    return GuardedResult(kResultNotReached, [&] {
        std::string reply;
        if (!Delivered(Fetch(address, port, user, password, kSystemStatusPage, reply)))
            return kResultNotReached;
        WanStatus read = wanStatus;
        ReadWanStatusValues(reply, read);
        wanStatus = std::move(read);
        return kResultYes;
    });
}
