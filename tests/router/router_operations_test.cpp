#include "form_bodies.h"
#include "router_sim_fixture.h"
#include "router_test_support.h"
#include "setup_vocabulary.h"
#include "tarnwick_object.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

namespace {

using routersim::Fault;

// CheckLogin switches the proxy off: never in the user's real settings.
const bool kMemoryBackend = setenv("GSETTINGS_BACKEND", "memory", 1) == 0;

class RouterOperations : public testing::Test {
protected:
    explicit RouterOperations(routersim::Options options = {}) : router_(std::move(options)) {
        object_.transportLimits = fast_.limits;
    }

    void SetUp() override { ASSERT_TRUE(router_.ok()); }

    int port() const { return router_.port(); }

    // Each operation with the simulated router's login.
    template <typename Operation>
    int Call(Operation operation, const std::string& password = "kvmzt") {
        return (object_.*operation)("127.0.0.1", port(), "admin", password);
    }

    // The posting operations do not wait for the router: wait here.
    routersim::RouterState StateAfter(std::size_t requests) {
        EXPECT_TRUE(router_->waitForRequests(requests, 2s));
        std::this_thread::sleep_for(20ms);  // the handler runs right after the request is recorded
        return router_->state();
    }

    std::string LastRequest() { return router_->requests().back(); }

    ScopedRouterSim router_;
    FastLimits fast_;
    CTarnwickObject object_;
};

// ---- Reading operations ----

TEST_F(RouterOperations, CheckLoginTellsAcceptedFromRefused) {
    ASSERT_TRUE(kMemoryBackend);
    EXPECT_EQ(Call(&CTarnwickObject::CheckLogin), 1);
    EXPECT_EQ(Call(&CTarnwickObject::CheckLogin, "wrong"), 0);
}

TEST_F(RouterOperations, CheckLoginSwitchesAManualBrowserProxyOff) {
    GSettings* proxy = g_settings_new("org.gnome.system.proxy");
    ASSERT_TRUE(g_settings_set_string(proxy, "mode", "manual"));
    EXPECT_EQ(Call(&CTarnwickObject::CheckLogin), 1);
    gchar* mode = g_settings_get_string(proxy, "mode");
    EXPECT_STREQ(mode, "none");
    g_free(mode);
    g_object_unref(proxy);
}

TEST_F(RouterOperations, LinkIsUpOnlyOnceTheRouterReportsCableDslTwo) {
    EXPECT_EQ(Call(&CTarnwickObject::CheckWanLink), 0);
    EXPECT_EQ(Call(&CTarnwickObject::ConnectWan), 1);
    int link = 0;
    for (int poll = 0; poll < 100 && link != 1; ++poll) {
        std::this_thread::sleep_for(50ms);
        link = Call(&CTarnwickObject::PollWanLink);
    }
    EXPECT_EQ(link, 1);
    EXPECT_EQ(Call(&CTarnwickObject::CheckWanLink, "wrong"), 0);  // the 401 page has no cableDSL
}

TEST_F(RouterOperations, ReadMacInfoTakesTheRoutersAddressesAndProposesTheDefault) {
    object_.macInfo.spare = "mine";
    ASSERT_EQ(Call(&CTarnwickObject::ReadMacInfo), 1);
    const auto state = router_->state();
    EXPECT_EQ(object_.macInfo.factoryMac, state.factoryMac);
    EXPECT_EQ(object_.macInfo.defaultMac, state.defaultMac);
    EXPECT_EQ(object_.macInfo.cloneMac, state.cloneMac);
    EXPECT_EQ(object_.macInfo.applyMac, state.defaultMac);
    EXPECT_EQ(object_.macInfo.spare, "mine");
    EXPECT_EQ(object_.macInfo.factoryMac.size(), 17u);
}

TEST_F(RouterOperations, ReadWanStatusReflectsTheAppliedStaticSettings) {
    object_.SetRouterInfo({"127.0.0.1", "admin", "kvmzt", kWanStaticIp, 0});
    object_.SetStaticIpParams({"198.51.100.7", "255.255.255.0", "198.51.100.1", "192.0.2.53", "", ""});
    ASSERT_EQ(Call(&CTarnwickObject::ApplyWanSettings), 1);
    ASSERT_EQ(Call(&CTarnwickObject::ConnectWan), 1);
    StateAfter(2);
    for (int poll = 0; poll < 100 && Call(&CTarnwickObject::CheckWanLink) != 1; ++poll)
        std::this_thread::sleep_for(50ms);

    object_.wanStatus.extraText = "wizard's own";
    ASSERT_EQ(Call(&CTarnwickObject::ReadWanStatus), 1);
    EXPECT_EQ(object_.wanStatus.connectionType, "Static IP");
    EXPECT_EQ(object_.wanStatus.wanIp, "198.51.100.7");
    EXPECT_EQ(object_.wanStatus.wanMask, "255.255.255.0");
    EXPECT_EQ(object_.wanStatus.wanGateway, "198.51.100.1");
    EXPECT_EQ(object_.wanStatus.wanMac, router_->state().wanMac);
    EXPECT_EQ(object_.wanStatus.extraText, "wizard's own");
}

// A refused ISP account leaves the link down and the status page's address
// values empty: each must read as empty, not as the script text after it.
TEST_F(RouterOperations, ReadWanStatusOfARefusedIspAccountGivesEmptyAddresses) {
    object_.SetRouterInfo({"127.0.0.1", "admin", "kvmzt", routersim::kWanPppoe, 0});
    object_.SetPppoeParams({"isp-user", "not-the-isp-password", ""});
    ASSERT_EQ(Call(&CTarnwickObject::ApplyWanSettings), 1);
    ASSERT_EQ(Call(&CTarnwickObject::ConnectWan), 1);
    ASSERT_FALSE(StateAfter(2).linkUp);

    object_.wanStatus.wanGateway = "stale";
    ASSERT_EQ(Call(&CTarnwickObject::ReadWanStatus), 1);
    EXPECT_EQ(object_.wanStatus.connectionType, "PPPoE");
    EXPECT_EQ(object_.wanStatus.wanIp, "");
    EXPECT_EQ(object_.wanStatus.wanMask, "");
    EXPECT_EQ(object_.wanStatus.wanGateway, "");
    EXPECT_EQ(object_.wanStatus.wanMac, router_->state().wanMac);
}

TEST_F(RouterOperations, DetectWanModeReadsTheBareDigit) {
    EXPECT_EQ(Call(&CTarnwickObject::DetectWanMode), 3);
    EXPECT_EQ(Call(&CTarnwickObject::DetectWanMode, "wrong"), 0);  // an HTTP status line is no digit
}

class DetectedModes : public testing::TestWithParam<std::pair<char, int>> {};

TEST_P(DetectedModes, EachDigitOneToFourAndNothingElse) {
    routersim::Options options;
    options.detectedMode = GetParam().first;
    ScopedRouterSim router(options);
    ASSERT_TRUE(router.ok());
    CTarnwickObject object;
    EXPECT_EQ(object.DetectWanMode("127.0.0.1", router.port(), "admin", "kvmzt"), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Digits, DetectedModes,
                         testing::Values(std::pair{'1', 1}, std::pair{'2', 2}, std::pair{'4', 4},
                                         std::pair{'5', 0}, std::pair{'0', 0}, std::pair{'x', 0}));

// ---- Posting operations ----

TEST_F(RouterOperations, WanFormOfEachTypeReachesTheRouterAsBuilt) {
    object_.SetStaticIpParams(
        {"198.51.100.7", "255.255.255.0", "198.51.100.1", "192.0.2.53", "192.0.2.54", ""});
    object_.SetPppoeParams({"isp-user", "isp-pass", ""});
    object_.SetTunnelParams({"192.0.2.10", "tun", "tpw", 2, "203.0.113.9", "255.255.255.0", "203.0.113.1"});
    std::size_t sent = 0;
    for (int wanType : {kWanStaticIp, kWanDynamicIp, kWanPppoe, kWanPptp, kWanL2tp}) {
        object_.routerInfo.wanType = wanType;
        ASSERT_EQ(Call(&CTarnwickObject::ApplyWanSettings), 1) << wanType;
        const auto state = StateAfter(++sent);
        EXPECT_EQ(
            state.lastRawForms.at("/goform/WizardHandle"),
            BuildWanSettingsBody(wanType, object_.staticIpParams, object_.pppoeParams, object_.tunnelParams));
    }
    const auto state = router_->state();
    EXPECT_EQ(state.wanType, routersim::kWanL2tp);
    EXPECT_EQ(state.staticIp.ip, "198.51.100.7");
    EXPECT_EQ(state.pppoe.user, "isp-user");
    EXPECT_EQ(state.pptp.server, "192.0.2.10");
    EXPECT_EQ(state.l2tp.ip, "203.0.113.9");
}

TEST_F(RouterOperations, UnknownWanTypeGoesOutAsAGet) {
    object_.routerInfo.wanType = 9;
    EXPECT_EQ(Call(&CTarnwickObject::ApplyWanSettings), 1);
    StateAfter(1);
    EXPECT_TRUE(LastRequest().starts_with("GET /goform/WizardHandle HTTP/1.1\r\n"));
    EXPECT_EQ(LastRequest().find("Content-Length"), std::string::npos);
}

TEST_F(RouterOperations, WirelessSecurityAndMacCloneTakeEffect) {
    object_.SetWirelessParams({"HomeNet", 3, 1, false});
    SecurityParams security;
    security.mode = kSecurityWpa2;
    security.wpaCipher = 1;
    security.passphrase = "correct horse";
    security.keyRenewalInterval = 3600;
    object_.SetSecurityParams(security);
    object_.SetMacInfo({"", "", "", "00:00:5E:00:53:C1", ""});

    EXPECT_EQ(Call(&CTarnwickObject::ApplyWireless), 1);
    EXPECT_EQ(Call(&CTarnwickObject::ApplyMacClone), 1);
    const auto state = StateAfter(3);
    EXPECT_EQ(*fast_.pauses, std::vector<std::chrono::milliseconds>{2000ms});
    EXPECT_EQ(state.wireless.ssid, "HomeNet");
    EXPECT_EQ(state.wireless.channel, "3");
    EXPECT_EQ(state.wireless.extensionChannel, "7");
    EXPECT_EQ(state.wireless.broadcastSsid, "0");
    EXPECT_EQ(state.security.mode, "WPA2PSK");
    EXPECT_EQ(state.security.cipher, "1");
    EXPECT_EQ(state.security.passphrase, "correct horse");
    EXPECT_EQ(state.lastRawForms.at("/goform/AdvSetMacClone"), BuildMacCloneBody("00:00:5E:00:53:C1"));
}

TEST_F(RouterOperations, PostsDoNotWaitForTheReply) {
    router_->setFault(Fault::Silent);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Call(&CTarnwickObject::ConnectWan), 1);
    EXPECT_EQ(Call(&CTarnwickObject::ApplySecurity), 1);
    EXPECT_LT(SecondsSince(start), 0.25);  // the 300 ms silence would be waited out on a read
    EXPECT_FALSE(object_.connection.IsOpen());
}

// ---- Result codes when the router cannot be reached ----

class UnreachableRouter : public testing::Test {
protected:
    UnreachableRouter() { object_.transportLimits = FastLimits().limits; }
    template <typename Operation>
    int Call(Operation operation) {
        return (object_.*operation)("127.0.0.1", nobody_.port(), "admin", "kvmzt");
    }
    UnusedLoopbackPort nobody_;
    CTarnwickObject object_;
};

TEST_F(UnreachableRouter, EveryOperationReportsItsOwnNotSentCode) {
    const std::pair<int (CTarnwickObject::*)(std::string, int, std::string, std::string), int> expected[] = {
        {&CTarnwickObject::CheckLogin, -1},       {&CTarnwickObject::CheckWanLink, -1},
        {&CTarnwickObject::DetectWanMode, -1},    {&CTarnwickObject::ReadMacInfo, -1},
        {&CTarnwickObject::PollWanLink, -1},      {&CTarnwickObject::ConnectWan, 0},
        {&CTarnwickObject::ApplyWanSettings, -1}, {&CTarnwickObject::ApplyWirelessBasic, -1},
        {&CTarnwickObject::ApplySecurity, -1},    {&CTarnwickObject::ReadWanStatus, -1},
        {&CTarnwickObject::ApplyMacClone, 0},     {&CTarnwickObject::ApplyWireless, -1},
    };
    for (const auto& [operation, code] : expected) EXPECT_EQ(Call(operation), code);
}

TEST_F(UnreachableRouter, FailedReadsLeaveTheRecordsAsTheyWere) {
    object_.SetMacInfo({"f", "d", "c", "a", ""});
    object_.wanStatus.connectionType = "PPPoE";
    object_.wanStatus.wanIp = "203.0.113.5";
    Call(&CTarnwickObject::ReadMacInfo);
    Call(&CTarnwickObject::ReadWanStatus);
    EXPECT_EQ(object_.macInfo.defaultMac, "d");
    EXPECT_EQ(object_.macInfo.applyMac, "a");
    EXPECT_EQ(object_.wanStatus.connectionType, "PPPoE");
    EXPECT_EQ(object_.wanStatus.wanIp, "203.0.113.5");
}

// ---- Misbehaving routers ----

class Http10Router : public RouterOperations {
protected:
    Http10Router() { router_->setFault(Fault::Http10Unauthorized); }
};

TEST_F(Http10Router, Http10RefusalIsRecognised) {
    EXPECT_EQ(Call(&CTarnwickObject::CheckLogin), 0);
}

class GarbageRouter : public RouterOperations {
protected:
    GarbageRouter() { router_->setFault(Fault::Garbage); }
};

TEST_F(GarbageRouter, GarbageIsAReplyWithoutValues) {
    EXPECT_EQ(Call(&CTarnwickObject::CheckLogin), 1);
    EXPECT_EQ(Call(&CTarnwickObject::DetectWanMode), 0);
    EXPECT_EQ(Call(&CTarnwickObject::CheckWanLink), 0);
    object_.wanStatus.connectionType = "PPTP";
    EXPECT_EQ(Call(&CTarnwickObject::ReadWanStatus), 1);
    EXPECT_EQ(object_.wanStatus.connectionType, "PPTP");
    EXPECT_EQ(object_.wanStatus.wanIp, "");
}

}  // namespace
