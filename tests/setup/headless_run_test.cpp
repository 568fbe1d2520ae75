// Whole headless runs against a scripted control object, pauses recorded
// instead of slept: what the run decides and what it says about it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <string>

#include "display_width.h"
#include "headless_setup.h"
#include "language_choice.h"
#include "recording_control_object.h"
#include "wan_types.h"

namespace {

using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr int kLanguageIdEnglishUs = 1033;

class HeadlessRunTest : public ::testing::Test {
protected:
    HeadlessRunTest() {
        app_.controlObject = &router_;
        app_.routerInfo = {"127.0.0.1", "admin", "kvmzt", 0, 0};
        router_.wanStatus.connectionType = "Dynamic IP";
        router_.wanStatus.wanIp = "203.0.113.9";
        router_.wanStatus.wanMask = "255.255.255.0";
        router_.wanStatus.wanGateway = "203.0.113.1";
        router_.wanStatus.wanMac = "00:00:5E:00:53:2A";
        router_.macInfo.defaultMac = router_.macInfo.applyMac = "00:00:5E:00:53:2A";
    }

    // Runs the set-up in the given language; the output lands in output_.
    int Run(bool chinese) {
        options_.chinese = chinese;
        app_.ChooseLanguage(chinese ? kLanguageIdSimpChinese : kLanguageIdEnglishUs);
        HeadlessEnvironment environment{router_.Pauses(), [](const std::string&) { return std::string(); },
                                        [this](const QString& text) { output_ += text; }};
        return HeadlessSetup(app_, options_, environment).Run();
    }

    bool Called(const std::string& operation) const {
        const auto log = router_.Log();
        return std::find(log.begin(), log.end(), operation) != log.end();
    }

    void TearDown() override { isSimpChinese = 0; }

    int argc_ = 1;
    char name_[16] = "headless_run";
    char* argv_[1] = {name_};
    QCoreApplication qt_{argc_, argv_};
    RecordingControlObject router_;
    CQelvaneApp app_{QStringLiteral(QELVANE_TEST_BIN_DIR "/")};
    DriverOptions options_;
    QString output_;
};

TEST_F(HeadlessRunTest, RefusedAccountStopsBeforeSavingUnlessForced) {
    options_.account = QStringLiteral("wrong@isp.example");
    options_.accountPassword = QStringLiteral("nope");
    router_.Script("DetectWanMode", {kWanPppoe});
    router_.Script("PollWanLink", {0, 0, 0, 0});

    EXPECT_EQ(Run(false), kHeadlessFailed);
    EXPECT_FALSE(Called("ApplyWireless")) << "nothing may be saved after a refused account";
    EXPECT_THAT(output_.toStdString(), HasSubstr("nothing was saved"));
    EXPECT_THAT(output_.toStdString(), HasSubstr("--save-anyway"));

    output_.clear();
    options_.saveAnyway = true;
    router_.wanStatus.wanIp.clear();
    router_.Script("DetectWanMode", {kWanPppoe});
    router_.Script("PollWanLink", {0, 0, 0, 0});
    EXPECT_EQ(Run(false), kHeadlessFailed);
    EXPECT_TRUE(Called("ApplyWireless"));
    EXPECT_THAT(output_.toStdString(), HasSubstr("The router reports no WAN address."));
    EXPECT_THAT(output_.toStdString(), HasSubstr("The provider refused the account."));
}

TEST_F(HeadlessRunTest, RunWithoutAddressSaysWhatItKnows) {
    router_.Script("DetectWanMode", {kWanDynamicIp});
    router_.wanStatus.wanIp.clear();
    EXPECT_EQ(Run(false), kHeadlessFailed);
    EXPECT_THAT(
        output_.toStdString(),
        HasSubstr("The router is set to Dynamic IP but got no address from the provider within 30 s."));

    output_.clear();
    router_.Script("DetectWanMode", {kWanDynamicIp});
    router_.Script("ReadWanStatus", std::vector<int>(100, -1));
    EXPECT_EQ(Run(false), kHeadlessFailed);
    EXPECT_THAT(output_.toStdString(), HasSubstr("The router did not answer the status reads."));
}

// The summary says what goes to the router (wireless included) and where
// the command line overrode the router; a gateway the page rule lets through
// outside the address's subnet is named when no address comes.
TEST_F(HeadlessRunTest, SummaryNamesOverridesAndASuspectGateway) {
    options_.wanType = kWanStaticIp;
    options_.ip = QStringLiteral("198.51.100.7");
    options_.mask = QStringLiteral("255.255.255.0");
    options_.gateway = QStringLiteral("203.0.113.1");
    options_.dns1 = QStringLiteral("198.51.100.1");
    options_.security = kSecurityWpa2;
    options_.key = QStringLiteral("QelvaneDemo2024");
    router_.Script("DetectWanMode", {kWanPppoe});
    router_.wanStatus.wanIp.clear();

    EXPECT_EQ(Run(false), kHeadlessFailed);
    const std::string output = output_.toStdString();
    EXPECT_THAT(output, HasSubstr("--type Static IP is used instead of the detected PPPoE"));
    EXPECT_THAT(output, HasSubstr("wireless security WPA2-PSK, key \"QelvaneDemo2024\""));
    EXPECT_THAT(output,
                HasSubstr("The gateway 203.0.113.1 is outside the subnet of the WAN address 198.51.100.7"));
}

TEST_F(HeadlessRunTest, RouterLoginFromOptionsReachesEveryCall) {
    options_.routerUser = QStringLiteral("root");
    options_.routerPassword = QStringLiteral("s3cret");
    router_.Script("DetectWanMode", {kWanDynamicIp});
    ASSERT_EQ(Run(false), kHeadlessSucceeded);
    const auto logins = router_.Logins();
    ASSERT_FALSE(logins.empty());
    EXPECT_THAT(logins, Each(std::string("127.0.0.1:80 root/s3cret")));
}

TEST_F(HeadlessRunTest, PageRulesNeedingTheLanAddressFailBeforeTheRouterIsCalled) {
    options_.wanType = kWanStaticIp;
    options_.ip = QStringLiteral("127.0.0.5");
    options_.mask = QStringLiteral("255.0.0.0");
    options_.gateway = options_.dns1 = QStringLiteral("127.0.0.9");
    EXPECT_EQ(Run(false), kHeadlessUsageError);
    EXPECT_TRUE(router_.Log().empty());
    EXPECT_THAT(output_.toStdString(), HasSubstr("--ip: The WAN IP address must not be in the same subnet"));
}

// The output speaks of no buttons, shows no result codes, and the Chinese
// run keeps no English beyond names and values; the status table's values
// start in one column however wide its captions are drawn.
TEST_F(HeadlessRunTest, OutputFitsATerminalInEitherLanguage) {
    router_.Script("DetectWanMode", {kWanDynamicIp});
    ASSERT_EQ(Run(false), kHeadlessSucceeded);
    EXPECT_THAT(output_.toStdString(), Not(HasSubstr("Click")));
    EXPECT_THAT(output_.toStdString(), Not(HasSubstr("result")));

    output_.clear();
    router_.Script("DetectWanMode", {kWanDynamicIp});
    ASSERT_EQ(Run(true), kHeadlessSucceeded);
    QString words = output_;
    words.remove(
        QRegularExpression(QStringLiteral(R"(\b(WAN|MAC|IP|Qelvane)\b|[0-9A-F]{2}(:[0-9A-F]{2})+)")));
    EXPECT_FALSE(words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")))) << output_.toStdString();

    const QStringList lines = output_.split(u'\n');
    QList<int> valueColumns;
    for (const char* value : {"203.0.113.9", "255.255.255.0", "203.0.113.1"}) {
        const auto row = std::find_if(lines.begin(), lines.end(), [value](const QString& line) {
            return line.endsWith(QLatin1String(value)) && line.startsWith(u' ');
        });
        ASSERT_NE(row, lines.end()) << value;
        valueColumns << DisplayWidth(row->left(row->size() - static_cast<qsizetype>(strlen(value))));
    }
    EXPECT_EQ(valueColumns.count(valueColumns.front()), valueColumns.size()) << output_.toStdString();
}

}  // namespace
