// Why the router may still have no WAN address after the set-up, from what
// the run learnt on its way: the window's result page and the headless
// driver give the same reasons in the same order.
#pragma once

#include <string>
#include <vector>

// What the run found out. The defaults say "nothing known against it", so a
// front end that skipped a step (the window need not detect or check the
// account) blames nothing on it.
struct NoAddressFindings {
    bool typeDetected = true;     // the detection found a connection type
    bool accountRefused = false;  // the provider refused the PPPoE account
    bool saveConfirmed = true;    // the router confirmed the saved settings
    bool statusAnswered = false;  // a status read got an answer
    bool gatewayOutsideSubnet = false;
};

// lang::kNoAddressCauseKeys names the lines in this order.
enum class NoAddressCause {
    AccountRefused,
    NoLinkDetected,
    SaveUnconfirmed,
    GatewayOutsideSubnet,
    NoStatusAnswer,
    NoProviderAddress,  // nothing else explains it: the provider gave none
};

// The likely causes, most telling first. A router that never answered a
// status read is said so; when nothing else is known, the provider is
// named as the one that gave no address.
std::vector<NoAddressCause> LikelyNoAddressCauses(const NoAddressFindings& findings);

// Notes what a set-up task's result tells about a missing address.
void NoteTaskResult(NoAddressFindings& findings, int task, int result);

// True when the three dotted addresses are given and the gateway lies
// outside the subnet of address and mask (the page rules let such a pair
// through, as some providers hand them out; with no address it is the first
// suspect).
bool GatewayOutsideSubnet(const std::string& address, const std::string& mask, const std::string& gateway);
