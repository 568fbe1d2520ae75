// The reading operations: login check, link check, MAC and WAN status reads.
#include "browser_proxy.h"
#include "login_reply.h"
#include "page_values.h"
#include "router_paths.h"
#include "tarnwick_object.h"

int CTarnwickObject::CheckLogin(std::string address, int port, std::string user, std::string password) {
    DisableBrowserProxy();
    std::string reply;
    if (!Fetch(address, port, user, password, kMainPage, reply)) return -1;
    return ReplyRefusesLogin(reply) ? 0 : 1;
}

int CTarnwickObject::CheckWanLink(std::string address, int port, std::string user, std::string password) {
    std::string reply;
    if (!Fetch(address, port, user, password, kSystemStatusPage, reply)) return -1;
    return ExtractFirstCapture(reply, kCableDslPattern) == "2" ? 1 : 0;
}

int CTarnwickObject::PollWanLink(std::string address, int port, std::string user, std::string password) {
    return CheckWanLink(address, port, user, password);
}

int CTarnwickObject::ReadMacInfo(std::string address, int port, std::string user, std::string password) {
    std::string reply;
    if (!Fetch(address, port, user, password, kMacClonePage, reply)) return -1;
    ReadMacValues(reply, macInfo);
    return 1;
}

int CTarnwickObject::ReadWanStatus(std::string address, int port, std::string user, std::string password) {
    std::string reply;
    if (!Fetch(address, port, user, password, kSystemStatusPage, reply)) return -1;
    ReadWanStatusValues(reply, wanStatus);
    return 1;
}
