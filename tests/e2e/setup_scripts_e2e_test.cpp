// The task scripts against the real library and a simulated router, with the
// pauses shortened fifty-fold; every router operation still runs on the wire.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "real_router.h"
#include "setup_tasks.h"

namespace {

using namespace std::chrono_literals;

void ShortPause(std::chrono::milliseconds length) {
    SleepFor(length / 50);
}

class SetupScriptsE2eTest : public RealRouterTest {
protected:
    int Run(int task) {
        CAdapterReset adapters([](const std::string&) { return std::string(); });
        return RunSetupScript(task, router(), records, ShortPause, adapters);
    }

    // What the pages would have stored for the wireless side.
    void FillLanSide() {
        records.wirelessParams = {"e2e-net", 6, 1, true};
        records.securityParams.mode = 3;
        records.securityParams.passphrase = "e2epassphrase";
        records.securityParams.wpaCipher = 1;
        records.securityParams.keyRenewalInterval = 3600;
    }
};

TEST_F(SetupScriptsE2eTest, PppoeSetUpLeavesTheRouterConnectedWithEverySetting) {
    StartRouter(SimOptions('3', 50ms, 200ms));

    ASSERT_EQ(Run(TASK_LINK), 1);
    const routersim::RouterState fresh = sim().state();
    EXPECT_EQ(records.macInfo.factoryMac, fresh.factoryMac);
    EXPECT_EQ(records.macInfo.applyMac, fresh.defaultMac);
    EXPECT_EQ(records.macInfo.cloneMac, fresh.cloneMac);

    ASSERT_EQ(Run(TASK_AUTO), 3);
    records.routerInfo.wanType = 3;
    records.pppoeParams = {kIspUser, kIspPassword, ""};
    EXPECT_EQ(Run(TASK_CHECK), 1);

    records.macInfo.applyMac = records.macInfo.cloneMac;  // the page's Clone button
    FillLanSide();
    EXPECT_EQ(Run(TASK_SAVE), 1);
    Run(TASK_REBOOT);

    const routersim::RouterState state = sim().state();
    EXPECT_EQ(state.wanType, routersim::kWanPppoe);
    EXPECT_EQ(state.pppoe.user, kIspUser);
    EXPECT_EQ(state.pppoe.password, kIspPassword);
    EXPECT_EQ(state.wireless.ssid, "e2e-net");
    EXPECT_EQ(state.wireless.channel, "6");
    EXPECT_EQ(state.wireless.mode, "9");
    EXPECT_EQ(state.security.mode, "WPA2PSK");
    EXPECT_EQ(state.security.passphrase, "e2epassphrase");
    EXPECT_EQ(state.security.cipher, "1");
    EXPECT_TRUE(state.cloneEnabled);
    EXPECT_EQ(state.wanMac, fresh.cloneMac);
    EXPECT_EQ(state.restartCount, 1);
    // The restart task read the status once the router was back.
    EXPECT_EQ(records.wanStatus.connectionType, "PPPoE");
    EXPECT_EQ(records.wanStatus.wanIp, state.wanIp);
    EXPECT_FALSE(records.wanStatus.wanIp.empty());
    EXPECT_EQ(records.wanStatus.wanMac, fresh.cloneMac);
}

struct OtherTypeCase {
    const char* name;
    char detectedMode;
    int detectResult;
    int wanType;
    std::function<void(SettingsRecords&)> fillPage;
    int routerWanType;
    const char* connectionType;
    const char* wanIp;  // empty: leased by the simulated ISP
};

void PrintTo(const OtherTypeCase& type, std::ostream* out) {
    *out << type.name;
}

class OtherWanTypesE2eTest : public SetupScriptsE2eTest,
                             public ::testing::WithParamInterface<OtherTypeCase> {};

TEST_P(OtherWanTypesE2eTest, SaveAndRestartBringTheLinkUpWithThatType) {
    const OtherTypeCase& type = GetParam();
    StartRouter(SimOptions(type.detectedMode, 50ms, 200ms));
    ASSERT_EQ(Run(TASK_LINK), 1);
    EXPECT_EQ(Run(TASK_AUTO), type.detectResult);
    records.routerInfo.wanType = type.wanType;
    type.fillPage(records);
    FillLanSide();
    records.securityParams.mode = 0;

    EXPECT_EQ(Run(TASK_SAVE), 1);
    Run(TASK_REBOOT);

    const routersim::RouterState state = sim().state();
    EXPECT_EQ(state.wanType, type.routerWanType);
    EXPECT_EQ(state.security.mode, "Disable");
    EXPECT_EQ(state.wanMac, state.factoryMac);  // the router's own address was kept
    EXPECT_EQ(state.restartCount, 1);
    EXPECT_EQ(records.wanStatus.connectionType, type.connectionType);
    EXPECT_EQ(records.wanStatus.wanIp, *type.wanIp ? std::string(type.wanIp) : state.wanIp);
    EXPECT_FALSE(records.wanStatus.wanIp.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Types, OtherWanTypesE2eTest,
    ::testing::Values(
        OtherTypeCase{"Static", '1', 1, 1,
                      [](SettingsRecords& r) {
                          r.staticIpParams = {
                              "198.51.100.7", "255.255.255.0", "198.51.100.1", "198.51.100.1", "", ""};
                      },
                      routersim::kWanStatic, "Static IP", "198.51.100.7"},
        // The router numbers the tunnels the other way round from the wizard.
        OtherTypeCase{"L2tp", '4', 4, 5,
                      [](SettingsRecords& r) {
                          r.tunnelParams = {"198.51.100.20", kIspUser, kIspPassword, 1, "", "", ""};
                      },
                      routersim::kWanL2tp, "L2TP", ""}),
    [](const ::testing::TestParamInfo<OtherTypeCase>& info) { return std::string(info.param.name); });

}  // namespace
