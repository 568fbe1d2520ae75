// The headless driver's command line: every problem is found before the
// router is called, each named by its option and value in one style, in the
// run's language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "driver_options.h"
#include "wan_types.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

struct Parsed {
    ParseOutcome outcome;
    DriverOptions options;
    QStringList problems;
};

Parsed Parse(QStringList arguments) {
    Parsed parsed;
    arguments.prepend(QStringLiteral("setup-driver"));
    parsed.outcome = ParseDriverOptions(arguments, parsed.options, parsed.problems);
    return parsed;
}

TEST(DriverOptionsTest, ReportsEveryProblemWithItsOptionAndValue) {
    const Parsed parsed = Parse({"--ip", "999.1.1.1", "--mask", "255.0.255.0", "--gateway", "127.1",
                                 "--channel", "14", "--type", "cable", "--frobnicate", "--security", "wpa2",
                                 "--key", "short", "--mac", "01:00:00:00:00:00", "stray", "--dns1"});
    EXPECT_EQ(parsed.outcome, ParseOutcome::Failed);
    EXPECT_THAT(
        parsed.problems,
        UnorderedElementsAre(
            "--ip: 999.1.1.1 is not a valid address", "--mask: 255.0.255.0 is not a valid subnet mask",
            "--gateway: 127.1 is not a valid address", "--channel: 14 is not a channel from 0 to 13",
            "--type: cable is not one of static, dynamic, pppoe, pptp, l2tp", "--frobnicate: unknown option",
            "stray: unexpected argument", "--key: short is not a WPA pass-phrase (8 to 63 letters or digits)",
            "--mac: 01:00:00:00:00:00 is not a valid MAC address (like 00:1A:2B:3C:4D:5E)",
            "--dns1: needs a value"));
}

TEST(DriverOptionsTest, AskForWhatATypeOrASecurityModeCannotRunWithout) {
    EXPECT_THAT(Parse({"--type", "static", "--ip", "198.51.100.7"}).problems,
                ElementsAre("--type static: needs --mask --gateway --dns1"));
    EXPECT_THAT(
        Parse({"--type", "pptp", "--address-mode", "static", "--account", "a", "--account-password", "p"})
            .problems,
        ElementsAre("--type pptp: needs --server --ip --mask --gateway"));
    EXPECT_THAT(Parse({"--security", "wep"}).problems, ElementsAre("--security wep: needs --key"));
    EXPECT_THAT(Parse({"--key", "QelvaneDemo2024"}).problems,
                ElementsAre("--key: QelvaneDemo2024 needs --security wep, wpa or wpa2"));
}

TEST(DriverOptionsTest, ChineseRunWordsProblemsInChineseKeepingOptionAndValue) {
    const Parsed parsed = Parse({"--chinese", "--ip", "999.1.1.1", "--type", "cable"});
    EXPECT_THAT(parsed.problems,
                UnorderedElementsAre("--ip: 999.1.1.1 不是有效的地址",
                                     "--type: cable 不是 static, dynamic, pppoe, pptp, l2tp 之一"));
}

TEST(DriverOptionsTest, AdapterTypesAreNumbersForTheAdapterReset) {
    EXPECT_EQ(Parse({}).options.adapterTypes, QList<unsigned>{1});
    const Parsed parsed = Parse({"--reset-adapters", "--adapter-types", "1,20"});
    EXPECT_THAT(parsed.problems, IsEmpty());
    EXPECT_EQ(parsed.options.adapterTypes, (QList<unsigned>{1, 20}));
    EXPECT_THAT(
        Parse({"--reset-adapters", "--adapter-types", "1,veth"}).problems,
        ElementsAre(
            "--adapter-types: 1,veth is not a list of NetworkManager device type numbers (like 1,20)"));
    EXPECT_THAT(Parse({"--adapter-types", "1,20"}).problems,
                ElementsAre("--adapter-types 1,20: needs --reset-adapters"));
}

TEST(DriverOptionsTest, AcceptsAWholeSetUpWithTheRoutersOwnLogin) {
    const Parsed parsed = Parse({"--router-user",
                                 "root",
                                 "--router-password",
                                 "",
                                 "--type",
                                 "static",
                                 "--ip",
                                 "198.51.100.7",
                                 "--mask",
                                 "255.255.255.0",
                                 "--gateway",
                                 "198.51.100.1",
                                 "--dns1",
                                 "198.51.100.1",
                                 "--security",
                                 "wep",
                                 "--key",
                                 "0123456789abcdef0123456789",
                                 "--ssid",
                                 "Home Net_2",
                                 "--channel",
                                 "6",
                                 "--save-anyway"});
    ASSERT_EQ(parsed.outcome, ParseOutcome::Run);
    EXPECT_THAT(parsed.problems, IsEmpty());
    EXPECT_EQ(parsed.options.routerUser, QStringLiteral("root"));
    EXPECT_EQ(parsed.options.routerPassword, QString());  // given empty, not absent
    EXPECT_EQ(parsed.options.wanType, kWanStaticIp);
    EXPECT_TRUE(parsed.options.saveAnyway);

    const Parsed defaults = Parse({});
    EXPECT_EQ(defaults.outcome, ParseOutcome::Run);
    EXPECT_FALSE(defaults.options.routerUser.has_value());
    EXPECT_FALSE(defaults.options.routerPassword.has_value());
}

}  // namespace
