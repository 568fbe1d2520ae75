// The router's bookkeeping without sockets: forms in, state out, with time
// passed in so link timing is exact.
#include <gtest/gtest.h>

#include "address_rules.h"
#include "form_body.h"
#include "router_model.h"

namespace routersim {
namespace {

using namespace std::chrono_literals;
using Clock = RouterModel::Clock;

TEST(FormBody, DecodesPairsAndEscapesButKeepsPlusAndBrokenEscapes) {
    const FormFields fields = decodeForm("PUN=a%26b&PPW=x%2by+z&WMAC=00:1a&bad=%zz%4&flag&=v&&empty=");
    EXPECT_EQ(fields.at("PUN"), "a&b");
    EXPECT_EQ(fields.at("PPW"), "x+y+z");
    EXPECT_EQ(fields.at("WMAC"), "00:1a");
    EXPECT_EQ(fields.at("bad"), "%zz%4");
    EXPECT_EQ(fields.at("flag"), "");
    EXPECT_EQ(fields.at("empty"), "");
    EXPECT_EQ(fields.at(""), "v");
}

TEST(AddressRules, StaticWanNeedsAHostOnTheGatewaysSubnet) {
    EXPECT_TRUE(isUsableStaticWan("198.51.100.20", "255.255.255.0", "198.51.100.1"));
    EXPECT_TRUE(isUsableStaticWan("10.1.2.3", "255.0.0.0", "10.200.0.1"));
    EXPECT_FALSE(isUsableStaticWan("198.51.100.20", "255.0.255.0", "198.51.100.1"));      // holes in the mask
    EXPECT_FALSE(isUsableStaticWan("198.51.100.20", "255.255.255.0", "198.51.101.1"));    // gateway elsewhere
    EXPECT_FALSE(isUsableStaticWan("198.51.100.1", "255.255.255.0", "198.51.100.1"));     // itself
    EXPECT_FALSE(isUsableStaticWan("198.51.100.0", "255.255.255.0", "198.51.100.1"));     // network address
    EXPECT_FALSE(isUsableStaticWan("198.51.100.20", "255.255.255.0", "198.51.100.255"));  // broadcast
    EXPECT_FALSE(isUsableStaticWan("198.51.100", "255.255.255.0", "198.51.100.1"));
    EXPECT_FALSE(isUsableStaticWan("", "", ""));
}

TEST(AddressRules, MacsAreNormalisedToUpperCaseWithColons) {
    EXPECT_EQ(normaliseMac("00:1a:2b:3c:4d:5e"), "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(normaliseMac("00-1a-2b-3c-4d-5e"), "00:1A:2B:3C:4D:5E");
    EXPECT_FALSE(normaliseMac("00:1a:2b:3c:4d"));
    EXPECT_FALSE(normaliseMac("00:1a:2b:3c:4d:5g"));
    EXPECT_FALSE(normaliseMac("001a2b3c4d5e12345"));
    EXPECT_TRUE(isLoopbackAddress("127.0.0.1"));
    EXPECT_TRUE(isLoopbackAddress("127.255.0.9"));
    EXPECT_FALSE(isLoopbackAddress("192.168.0.1"));
    EXPECT_FALSE(isLoopbackAddress("localhost"));
}

struct LinkCase {
    const char* name;
    const char* wizardBody;  // as posted to /goform/WizardHandle
    bool comesUp;
    const char* wanIp;  // nullptr: an address of the simulated ISP
};

class LinkAfterConnect : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkAfterConnect, ComesUpAfterTheDelayOnlyWithAcceptableSettings) {
    Options options;
    options.linkDelay = 100ms;
    RouterModel model(options);
    const Clock::time_point t0{};
    model.applyWanSettings(decodeForm(GetParam().wizardBody), t0);
    model.requestConnect(t0);

    EXPECT_FALSE(model.snapshot(t0 + 99ms).linkUp);
    const RouterState later = model.snapshot(t0 + 100ms);
    EXPECT_EQ(later.linkUp, GetParam().comesUp);
    EXPECT_EQ(later.cableDSL, GetParam().comesUp ? "2" : "1");
    if (!GetParam().comesUp) {
        EXPECT_EQ(later.wanIp, "");
        EXPECT_FALSE(model.snapshot(t0 + 1h).linkUp);
    } else if (GetParam().wanIp) {
        EXPECT_EQ(later.wanIp, GetParam().wanIp);
    } else {
        EXPECT_TRUE(later.wanIp.starts_with(kIspNetworkPrefix)) << later.wanIp;
        EXPECT_EQ(later.wanMask, kIspMask);
        EXPECT_EQ(later.wanGateway, kIspGateway);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WanTypes, LinkAfterConnect,
    testing::Values(
        LinkCase{"Dynamic", "WANT=2", true, nullptr},
        LinkCase{"Static", "WANT=1&WANIP=198.51.100.20&WANMSK=255.255.255.0&WANGW=198.51.100.1", true,
                 "198.51.100.20"},
        LinkCase{"StaticGatewayOffSubnet", "WANT=1&WANIP=198.51.100.20&WANMSK=255.255.255.0&WANGW=10.0.0.1",
                 false, nullptr},
        LinkCase{"Pppoe", "WANT=3&PUN=isp-user&PPW=isp-pass", true, nullptr},
        LinkCase{"PppoeWrongPassword", "WANT=3&PUN=isp-user&PPW=guess", false, nullptr},
        LinkCase{"PptpDynamic", "WANT=5&pptpIP=198.51.100.7&pptpPUN=isp-user&pptpPPW=isp-pass&pptpAdrMode=2",
                 true, nullptr},
        LinkCase{"PptpStatic",
                 "WANT=5&pptpIP=198.51.100.7&pptpPUN=isp-user&pptpPPW=isp-pass&pptpAdrMode=1"
                 "&pptpWANIP=192.0.2.9&pptpWANMSK=255.255.255.0&pptpWANGW=192.0.2.1",
                 true, "192.0.2.9"},
        LinkCase{"L2tpWrongUser", "WANT=4&l2tpIP=198.51.100.7&l2tpPUN=other&l2tpPPW=isp-pass&l2tpAdrMode=2",
                 false, nullptr},
        LinkCase{"L2tpStaticBadMask",
                 "WANT=4&l2tpIP=198.51.100.7&l2tpPUN=isp-user&l2tpPPW=isp-pass&l2tpAdrMode=1"
                 "&l2tpWANIP=192.0.2.9&l2tpWANMSK=255.0.255.0&l2tpWANGW=192.0.2.1",
                 false, nullptr}),
    [](const testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

TEST(RouterModel, NewWanSettingsDropTheLinkAndRedialOnlyIfAConnectWasAskedFor) {
    Options options;
    options.linkDelay = 100ms;
    const Clock::time_point t0{};

    RouterModel idle(options);
    idle.applyWanSettings(decodeForm("WANT=3&PUN=isp-user&PPW=isp-pass"), t0);
    EXPECT_FALSE(idle.snapshot(t0 + 1h).linkUp);
    EXPECT_EQ(idle.snapshot(t0 + 1h).cableDSL, "0");

    RouterModel model(options);
    model.requestConnect(t0);
    ASSERT_TRUE(model.snapshot(t0 + 100ms).linkUp);
    model.applyWanSettings(decodeForm("WANT=3&PUN=isp-user&PPW=isp-pass"), t0 + 200ms);
    EXPECT_FALSE(model.snapshot(t0 + 299ms).linkUp);
    EXPECT_TRUE(model.snapshot(t0 + 300ms).linkUp);
    EXPECT_EQ(model.snapshot(t0 + 300ms).connectionTypeIndex, kWanPppoe);

    // A second connect while the link is coming up does not push it back.
    model.applyWanSettings(decodeForm("WANT=2"), t0 + 1s);
    model.requestConnect(t0 + 1050ms);
    EXPECT_TRUE(model.snapshot(t0 + 1100ms).linkUp);
    EXPECT_EQ(model.snapshot(t0 + 1100ms).connectRequests, 2);
}

TEST(RouterModel, FormsUpdateOnlyTheFieldsTheyCarry) {
    RouterModel model(Options{});
    model.applyWanSettings(
        decodeForm("WANT=5&pptpIP=198.51.100.7&pptpPUN=u&pptpPPW=p&pptpAdrMode=1&pptpWANIP=192.0.2.9"), {});
    model.applyWanSettings(decodeForm("WANT=5&pptpIP=198.51.100.8&pptpPUN=u&pptpPPW=p&pptpAdrMode=2"), {});
    model.applySecurity(
        decodeForm("security_mode=SHARED&wep_default_key=2&WEP1Select=1&wep_key_2=0A1B2C3D4E"
                   "&WEP2Select=0&WEP3Select=1&WEP4Select=1"));
    model.applySecurity(
        decodeForm("security_mode=WPA2PSK&cipher=1&passphrase=secret+phrase&keyRenewalInterval=7200"));
    model.applyWanSettings(decodeForm("WANT=9&PUN=ignored"), {});

    const RouterState state = model.snapshot({});
    EXPECT_EQ(state.wanType, kWanPptp);
    EXPECT_EQ(state.pptp.server, "198.51.100.8");
    EXPECT_EQ(state.pptp.addressMode, "2");
    EXPECT_EQ(state.pptp.ip, "192.0.2.9");
    EXPECT_EQ(state.pppoe.user, "");
    EXPECT_EQ(state.security.mode, "WPA2PSK");
    EXPECT_EQ(state.security.wepKeys[1], "0A1B2C3D4E");
    EXPECT_EQ(state.security.wepKeySelect[1], "0");
    EXPECT_EQ(state.security.passphrase, "secret+phrase");
    EXPECT_EQ(state.security.keyRenewalInterval, "7200");
}

TEST(RouterModel, RestartAppliesTheClonedMacAndRedials) {
    Options options;
    options.linkDelay = 100ms;
    RouterModel model(options);
    const Clock::time_point t0{};
    model.requestConnect(t0);
    EXPECT_FALSE(model.applyMacClone(decodeForm("cloneEn=1&WMAC=00:00:5e:00:53:77")));
    EXPECT_EQ(model.snapshot(t0 + 1s).wanMac, options.factoryMac);  // not before the restart

    EXPECT_TRUE(model.applyMacClone(decodeForm("GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=bogus")));
    model.beginRestart();
    RouterState down = model.snapshot(t0 + 2s);
    EXPECT_TRUE(down.restarting);
    EXPECT_FALSE(down.linkUp);
    EXPECT_EQ(down.restartCount, 1);

    model.finishRestart(t0 + 3s);
    EXPECT_FALSE(model.snapshot(t0 + 3s).linkUp);
    const RouterState back = model.snapshot(t0 + 3100ms);
    EXPECT_TRUE(back.linkUp);
    EXPECT_EQ(back.wanMac, "00:00:5E:00:53:77");  // the malformed WMAC left the earlier clone in place
    EXPECT_EQ(back.defaultMac, back.wanMac);
    EXPECT_EQ(back.factoryMac, options.factoryMac);

    model.applyMacClone(decodeForm("rebootTag=1&cloneEn=0"));
    model.beginRestart();
    model.finishRestart(t0 + 4s);
    EXPECT_EQ(model.snapshot(t0 + 4s).wanMac, options.factoryMac);
}

}  // namespace
}  // namespace routersim
