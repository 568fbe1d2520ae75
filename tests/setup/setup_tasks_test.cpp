// The task scripts: order of operations and pauses, repeat rules, results and
// the records they read and write, against a recording control object.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "http_transport.h"
#include "recording_control_object.h"
#include "setup_tasks.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

class SetupScriptTest : public ::testing::Test {
protected:
    SetupScriptTest() { records.routerInfo = {"127.0.0.1", "admin", "secret", 3, 0}; }

    int Run(int task) { return RunSetupScript(task, &router, records, router.Pauses(), adapters); }

    RecordingControlObject router;
    SettingsRecords records;
    std::vector<std::string> commands;
    CAdapterReset adapters{[this](const std::string& line) {
        router.Record("run " + line);
        commands.push_back(line);
        return std::string();
    }};
};

TEST_F(SetupScriptTest, LinkWithRefusedLoginTriesTwiceAndReadsNoMac) {
    router.Script("CheckLogin", {0, 0});
    EXPECT_EQ(Run(TASK_LINK), 0);
    EXPECT_THAT(router.Log(),
                ElementsAre("run ipconfig.exe", "pause 2000", "CheckLogin", "CheckLogin", "pause 3500"));
    EXPECT_TRUE(records.macInfo.defaultMac.empty());
}

TEST_F(SetupScriptTest, LinkRepeatsLoginWithoutReplyAndReadsTheMacAddresses) {
    router.Script("CheckLogin", {-1, 1});
    router.Script("ReadMacInfo", {-1, 1});
    router.macInfo = {"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57", "00:11:22:33:44:56", ""};
    records.macInfo.spare = "kept";

    EXPECT_EQ(Run(TASK_LINK), 1);
    EXPECT_THAT(router.Log(), ElementsAre("run ipconfig.exe", "pause 2000", "CheckLogin", "CheckLogin",
                                          "pause 3500", "ReadMacInfo", "ReadMacInfo", "GetMacInfo"));
    EXPECT_EQ(records.macInfo.defaultMac, "00:11:22:33:44:56");
    EXPECT_EQ(records.macInfo.applyMac, "00:11:22:33:44:56");
    EXPECT_EQ(records.macInfo.spare, "kept");
}

TEST_F(SetupScriptTest, EveryRouterCallTakesTheLoginAfreshOnPort80) {
    // A pause that changes the password stands for a page writing the record.
    auto pause = [this](std::chrono::milliseconds length) {
        router.Record("pause " + std::to_string(length.count()));
        records.routerInfo.password = "changed";
    };
    router.Script("CheckLogin", {0, 1});
    RunSetupScript(TASK_LINK, &router, records, pause, adapters);
    EXPECT_THAT(router.Logins(), ElementsAre("127.0.0.1:80 admin/changed", "127.0.0.1:80 admin/changed",
                                             "127.0.0.1:80 admin/changed"));
}

// The lease of the PC's wired adapter names the router; the fixture's
// setting.ini address is 127.0.0.1.
TEST_F(SetupScriptTest, LinkLogsInOnceWhereTheLeaseNamesTheRouterAndKeepsThatAddress) {
    adapters.SetWiredLinkReader([] { return WiredLinks{1, 0, {"127.0.0.1", "127.0.0.9"}}; });
    router.Script("CheckLogin", {-1, -1, 1});

    EXPECT_EQ(Run(TASK_LINK), kLinkFoundElsewhere);
    EXPECT_THAT(router.Logins(), ElementsAre("127.0.0.1:80 admin/secret", "127.0.0.1:80 admin/secret",
                                             "127.0.0.9:80 admin/secret", "127.0.0.9:80 admin/secret"));
    EXPECT_THAT(router.Log(), ElementsAre("run ipconfig.exe", "pause 2000", "CheckLogin", "CheckLogin",
                                          "CheckLogin", "pause 3500", "ReadMacInfo", "GetMacInfo"));
    EXPECT_EQ(records.routerInfo.address, "127.0.0.9");
    EXPECT_EQ(records.configuredRouterAddress, "127.0.0.1");
    EXPECT_EQ(Run(TASK_AUTO), 1);
    EXPECT_EQ(router.Logins().back(), "127.0.0.9:80 admin/secret");
}

TEST_F(SetupScriptTest, LinkLooksNowhereElseUnlessTheRouterGaveNoAnswerAndTheLeaseNamesAnotherAddress) {
    struct Case {
        const char* what;
        std::vector<std::string> leaseRouters;
        std::vector<int> logins;
        int result;
    };
    const Case cases[] = {
        {"a 401 means the router is there", {"127.0.0.9"}, {0, 0}, 0},
        {"a lease naming no router", {}, {-1, -1}, -1},
        {"a lease naming the configured address", {"127.0.0.1"}, {-1, -1}, -1},
        {"nothing answers there either", {"127.0.0.9"}, {-1, -1, -1}, -1},
    };
    for (const Case& c : cases) {
        records = {};
        records.routerInfo = {"127.0.0.1", "admin", "secret", 3, 0};
        RecordingControlObject quiet;
        quiet.Script("CheckLogin", c.logins);
        CAdapterReset leaveAlone = CAdapterReset::LeaveAlone();
        leaveAlone.SetWiredLinkReader([&c] { return WiredLinks{1, 0, c.leaseRouters}; });

        EXPECT_EQ(RunSetupScript(TASK_LINK, &quiet, records, quiet.Pauses(), leaveAlone), c.result) << c.what;
        EXPECT_EQ(quiet.Logins().size(), c.logins.size()) << c.what;
        EXPECT_EQ(records.routerInfo.address, "127.0.0.1") << c.what;
        EXPECT_EQ(records.configuredRouterAddress, "") << c.what;
    }
}

TEST_F(SetupScriptTest, LinkWithEveryWiredAdapterUnpluggedAsksNothingAndResetsNothing) {
    adapters.SetWiredLinkReader([] { return WiredLinks{2, 2, {}}; });
    EXPECT_EQ(Run(TASK_LINK), kLinkNoCable);
    EXPECT_THAT(router.Log(), IsEmpty());

    // One adapter still cabled: the logins go on as ever.
    adapters.SetWiredLinkReader([] { return WiredLinks{2, 1, {}}; });
    EXPECT_EQ(Run(TASK_LINK), 1);
}

struct DetectCase {
    std::vector<int> answers;
    int result;
    std::vector<std::string> log;
};

class DetectScriptTest : public SetupScriptTest, public ::testing::WithParamInterface<DetectCase> {};

TEST_P(DetectScriptTest, RepeatsOnlyWhenTheRouterGaveNoReply) {
    router.Script("DetectWanMode", GetParam().answers);
    EXPECT_EQ(Run(TASK_AUTO), GetParam().result);
    EXPECT_THAT(router.Log(), ElementsAreArray(GetParam().log));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DetectScriptTest,
    ::testing::Values(DetectCase{{3}, 3, {"pause 500", "DetectWanMode"}},
                      DetectCase{{0}, 0, {"pause 500", "DetectWanMode"}},
                      DetectCase{{-1, 2}, 2, {"pause 500", "DetectWanMode", "pause 1000", "DetectWanMode"}},
                      DetectCase{
                          {-1, -1}, -1, {"pause 500", "DetectWanMode", "pause 1000", "DetectWanMode"}}));

TEST_F(SetupScriptTest, AccountCheckPollsFourTimesWhenTheLinkStaysDown) {
    router.Script("PollWanLink", {0, -1, 0, 0});
    EXPECT_EQ(Run(TASK_CHECK), 0);
    EXPECT_THAT(router.Log(),
                ElementsAre("pause 500", "SetRouterInfo", "SetPppoeParams", "ConnectWan", "pause 2000",
                            "ApplyWanSettings", "pause 1000", "PollWanLink", "pause 10000", "PollWanLink",
                            "pause 10000", "PollWanLink", "pause 10000", "PollWanLink", "pause 10000"));
}

TEST_F(SetupScriptTest, AccountCheckRepeatsOnlyNegativeResultsAndStopsPollingOnLinkUp) {
    router.Script("ConnectWan", {0});
    router.Script("ApplyWanSettings", {-1, -1});
    router.Script("PollWanLink", {0, 1});
    records.pppoeParams = {"isp-user", "isp-pass", ""};

    EXPECT_EQ(Run(TASK_CHECK), 1);
    EXPECT_THAT(router.Log(), ElementsAre("pause 500", "SetRouterInfo", "SetPppoeParams", "ConnectWan",
                                          "pause 2000", "ApplyWanSettings", "ApplyWanSettings", "pause 1000",
                                          "PollWanLink", "pause 10000", "PollWanLink"));
    EXPECT_EQ(router.pppoeParams.user, "isp-user");
    EXPECT_EQ(router.routerInfo.wanType, 3);
}

struct SaveCase {
    int wanType;
    std::vector<std::string> recordSetters;
};

class SaveScriptTest : public SetupScriptTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveScriptTest, HandsOverTheRecordOfTheWanTypeThenSavesAndReadsStatus) {
    records.routerInfo.wanType = GetParam().wanType;
    std::vector<std::string> expected{"SetRouterInfo"};
    expected.insert(expected.end(), GetParam().recordSetters.begin(), GetParam().recordSetters.end());
    for (const char* entry :
         {"SetMacInfo", "pause 1000", "SetWirelessParams", "SetSecurityParams", "ApplyWanSettings",
          "pause 10000", "ApplyWireless", "pause 20000", "ReadWanStatus", "GetWanStatus"}) {
        expected.emplace_back(entry);
    }

    EXPECT_EQ(Run(TASK_SAVE), 1);
    EXPECT_THAT(router.Log(), ElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(WanTypes, SaveScriptTest,
                         ::testing::Values(SaveCase{1, {"SetStaticIpParams"}}, SaveCase{2, {}},
                                           SaveCase{3, {"SetPppoeParams"}}, SaveCase{4, {"SetTunnelParams"}},
                                           SaveCase{5, {"SetTunnelParams"}}, SaveCase{0, {}},
                                           SaveCase{9, {}}));

TEST_F(SetupScriptTest, SaveWhoseWirelessStepFailsStillWaitsAndReadsTheStatus) {
    router.Script("ApplyWanSettings", {-1, -1});
    router.Script("ApplyWireless", {-1, -1});
    router.Script("ReadWanStatus", {0, 1});
    router.wanStatus.wanIp = "10.0.0.2";
    records.wirelessParams.ssid = "home";
    records.securityParams.passphrase = "12345678";

    EXPECT_EQ(Run(TASK_SAVE), -1);
    EXPECT_THAT(router.Log(), ElementsAre("SetRouterInfo", "SetPppoeParams", "SetMacInfo", "pause 1000",
                                          "SetWirelessParams", "SetSecurityParams", "ApplyWanSettings",
                                          "ApplyWanSettings", "pause 10000", "ApplyWireless", "ApplyWireless",
                                          "pause 20000", "ReadWanStatus", "ReadWanStatus", "GetWanStatus"));
    EXPECT_EQ(router.wirelessParams.ssid, "home");
    EXPECT_EQ(router.securityParams.passphrase, "12345678");
    EXPECT_EQ(records.wanStatus.wanIp, "10.0.0.2");
}

TEST_F(SetupScriptTest, RestartCopiesTheHeldStatusEvenWhenBothReadsFail) {
    router.Script("ConnectWan", {-1, 0});
    router.Script("ApplyMacClone", {0});
    router.Script("ReadWanStatus", {-1, -1});
    router.wanStatus = {
        "PPPoE", "10.0.0.2", "255.255.255.0", "10.0.0.1", "00:11:22:33:44:56", "", 0, 0, false, 0, ""};
    records.wanStatus.extraText = "home";

    Run(TASK_REBOOT);
    EXPECT_THAT(router.Log(), ElementsAre("ConnectWan", "ConnectWan", "pause 500", "ApplyMacClone",
                                          "pause 30000", "ReadWanStatus", "ReadWanStatus", "GetWanStatus"));
    EXPECT_EQ(records.wanStatus.connectionType, "PPPoE");
    EXPECT_EQ(records.wanStatus.wanMac, "00:11:22:33:44:56");
    EXPECT_EQ(records.wanStatus.extraText, "home");
}

// The tools' way keeps no record of what it changed, so it puts nothing back;
// a profile the user kept is not even tried, and no router is needed.
TEST_F(SetupScriptTest, RestoreTriesOnlyTheChosenProfilesAndCallsNoRouter) {
    records.switchedProfiles.resize(2);
    records.switchedProfiles[0].choice = SwitchedProfile::Choice::Keep;
    records.switchedProfiles[1].choice = SwitchedProfile::Choice::Restore;

    EXPECT_EQ(RunSetupScript(TASK_RESTORE, nullptr, records, router.Pauses(), adapters), 0);
    EXPECT_FALSE(records.switchedProfiles[0].restore.has_value());
    ASSERT_TRUE(records.switchedProfiles[1].restore.has_value());
    EXPECT_EQ(records.switchedProfiles[1].restore->result, ProfileRestoreResult::Failed);
    EXPECT_THAT(router.Log(), IsEmpty());
    EXPECT_THAT(commands, IsEmpty());
}

TEST_F(SetupScriptTest, UnknownTaskCodesRunNothing) {
    for (int task : {0, 7, -1}) {
        EXPECT_EQ(Run(task), 0) << task;
    }
    EXPECT_THAT(router.Log(), IsEmpty());
    EXPECT_THAT(commands, IsEmpty());
}

// The library's transport and the wizard's scripts speak of pauses alike:
// one recorder serves both.
TEST_F(SetupScriptTest, TransportAndScriptsShareOnePauseFunction) {
    using namespace std::chrono_literals;
    std::vector<std::chrono::milliseconds> lengths;
    const PauseFunction record = [&](std::chrono::milliseconds length) { lengths.push_back(length); };
    TransportLimits limits;
    limits.pause = record;
    limits.pause(limits.reconnectPause);
    router.Script("DetectWanMode", {-1, 2});
    RunSetupScript(TASK_AUTO, &router, records, record, adapters);
    EXPECT_THAT(lengths, ElementsAre(100ms, 500ms, 1000ms));
}

TEST_F(SetupScriptTest, WithoutControlObjectEveryTaskEndsAtOnceWithMinusOne) {
    for (int task = TASK_LINK; task <= TASK_REBOOT; ++task) {
        EXPECT_EQ(RunSetupScript(task, nullptr, records, router.Pauses(), adapters), kNoControlObjectResult);
    }
    EXPECT_THAT(router.Log(), IsEmpty());
    EXPECT_THAT(commands, IsEmpty());
}

}  // namespace
