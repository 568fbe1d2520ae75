// The set-up steps without any window: which tasks run, what each result is
// taken to mean and what the user is told, for the results a router and the
// library really give.
#include "setup_steps.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "language_keys.h"
#include "setup_tasks.h"
#include "wan_types.h"

namespace {

class ScriptedFrontEnd : public SetupFrontEnd {
public:
    int RunTask(int task) override {
        tasks.push_back(task);
        if (results.empty()) return -1;
        const int result = results.front();
        results.pop_front();
        return result;
    }
    bool Tell(const StepMessage& message) override {
        told.push_back(message);
        return acknowledge;
    }
    void ShowLinkError() override { ++linkErrors; }
    QString SettingsFile() const override { return QStringLiteral("/etc/qelvane/setting.ini"); }
    RouterAddresses Router() const override {
        return {QStringLiteral("127.0.0.9"), QStringLiteral("127.0.0.1")};
    }

    std::deque<int> results;
    bool acknowledge = true;
    std::vector<int> tasks;
    std::vector<StepMessage> told;
    int linkErrors = 0;
};

TEST(SetupSteps, LinkTellsALoginTheRouterRefusedFromOneThatNeverAnswered) {
    ScriptedFrontEnd connected;
    connected.results = {1};
    EXPECT_TRUE(SetupSteps(connected).RunLink().goOn);
    ASSERT_EQ(connected.told.size(), 1u);
    EXPECT_EQ(connected.told[0].textKey, lang::kConnectOk);

    ScriptedFrontEnd notAcknowledged;
    notAcknowledged.results = {1};
    notAcknowledged.acknowledge = false;
    EXPECT_FALSE(SetupSteps(notAcknowledged).RunLink().goOn);

    ScriptedFrontEnd refused;
    refused.results = {0};
    const SetupSteps::Link link = SetupSteps(refused).RunLink();
    EXPECT_EQ(link.outcome, LinkOutcome::LoginRefused);
    EXPECT_FALSE(link.goOn);
    EXPECT_EQ(refused.linkErrors, 0) << "a router that answered is no cabling problem";
    ASSERT_EQ(refused.told.size(), 1u);
    EXPECT_EQ(refused.told[0].textKey, lang::kLoginRefused);
    EXPECT_EQ(refused.told[0].arguments, QStringList{QStringLiteral("/etc/qelvane/setting.ini")});

    for (const int silent : {-1, -7, 3}) {
        ScriptedFrontEnd nobody;
        nobody.results = {silent};
        EXPECT_EQ(SetupSteps(nobody).RunLink().outcome, LinkOutcome::NoAnswer) << silent;
        EXPECT_EQ(nobody.linkErrors, 1);
        EXPECT_TRUE(nobody.told.empty());
    }
}

TEST(SetupSteps, ARouterFoundElsewhereIsToldOnceAndAnUnpluggedCableInsteadOfThePicture) {
    ScriptedFrontEnd found;
    found.results = {kLinkFoundElsewhere};
    const SetupSteps::Link link = SetupSteps(found).RunLink();
    EXPECT_EQ(link.outcome, LinkOutcome::FoundElsewhere);
    EXPECT_TRUE(link.goOn);
    ASSERT_EQ(found.told.size(), 1u);
    EXPECT_EQ(found.told[0].textKey, lang::kRouterFound);
    EXPECT_EQ(found.told[0].arguments,
              (QStringList{QStringLiteral("127.0.0.9"), QStringLiteral("127.0.0.1")}));
    EXPECT_EQ(FormatStepText(QStringLiteral("Router found at %s instead of %s"), found.told[0]),
              QStringLiteral("Router found at 127.0.0.9 instead of 127.0.0.1"));

    ScriptedFrontEnd unplugged;
    unplugged.results = {kLinkNoCable};
    EXPECT_FALSE(SetupSteps(unplugged).RunLink().goOn);
    EXPECT_EQ(unplugged.linkErrors, 0);
    ASSERT_EQ(unplugged.told.size(), 1u);
    EXPECT_EQ(unplugged.told[0].textKey, lang::kNoCable);
    EXPECT_EQ(unplugged.told[0].kind, StepMessageKind::Warning);
}

TEST(SetupSteps, OnlyAConfirmedAndAcknowledgedSaveIsFollowedByTheRestart) {
    struct Case {
        int saveResult;
        bool acknowledge;
        SaveOutcome outcome;
        QStringView told;
        bool restarted;
    };
    const Case cases[] = {
        {1, true, SaveOutcome::Confirmed, lang::kSaveOk, true},
        {1, false, SaveOutcome::Confirmed, lang::kSaveOk, false},
        {-1, true, SaveOutcome::NotConfirmed, lang::kSaveNotConfirmed, false},  // never sent
        {0, true, SaveOutcome::NotConfirmed, lang::kSaveNotConfirmed, false},
    };
    for (const Case& c : cases) {
        ScriptedFrontEnd frontEnd;
        frontEnd.results = {c.saveResult, 0};
        frontEnd.acknowledge = c.acknowledge;
        EXPECT_EQ(SetupSteps(frontEnd).RunSave(), c.outcome) << c.saveResult;
        ASSERT_EQ(frontEnd.told.size(), 1u);
        EXPECT_EQ(frontEnd.told[0].textKey, c.told);
        const std::vector<int> expected =
            c.restarted ? std::vector<int>{TASK_SAVE, TASK_REBOOT} : std::vector<int>{TASK_SAVE};
        EXPECT_EQ(frontEnd.tasks, expected) << c.saveResult << " acknowledged " << c.acknowledge;
    }
}

TEST(SetupSteps, DetectionNamesOnlyTheTypesTheWizardHandles) {
    for (const int result : {-1, 0, int{kWanPptp}, int{kWanL2tp}, 9}) {
        ScriptedFrontEnd frontEnd;
        frontEnd.results = {result};
        EXPECT_FALSE(SetupSteps(frontEnd).RunDetection().has_value()) << result;
        ASSERT_EQ(frontEnd.told.size(), 1u);
        EXPECT_EQ(frontEnd.told[0].kind, StepMessageKind::Warning);
    }
    ScriptedFrontEnd pppoe;
    pppoe.results = {kWanPppoe};
    EXPECT_EQ(SetupSteps(pppoe).RunDetection(), kWanPppoe);
    ASSERT_EQ(pppoe.told.size(), 1u);
    EXPECT_EQ(pppoe.told[0].kind, StepMessageKind::Information);
    EXPECT_EQ(pppoe.told[0].nameKey, lang::kPppoe);
}

TEST(SetupSteps, NextRunsAPageTaskOnlyAfterItsCheckAndLeadsWhereTheFlowSays) {
    ScriptedFrontEnd refusedCheck;
    const PageStep stay = SetupSteps(refusedCheck).Next(kPageSecurity, kWanDynamicIp, false);
    EXPECT_TRUE(refusedCheck.tasks.empty());
    EXPECT_FALSE(stay.show);

    ScriptedFrontEnd unconfirmed;
    unconfirmed.results = {-1};
    const PageStep result = SetupSteps(unconfirmed).Next(kPageSecurity, kWanDynamicIp, true);
    EXPECT_EQ(unconfirmed.tasks, std::vector<int>{TASK_SAVE});
    EXPECT_EQ(result.page, kPageResult);

    ScriptedFrontEnd linkDown;
    linkDown.results = {-1};
    const PageStep again = SetupSteps(linkDown).Next(kPageSetup4, 0, true);
    EXPECT_EQ(again.page, kPageSetup4);

    ScriptedFrontEnd plain;
    EXPECT_EQ(SetupSteps(plain).Next(kPageSetup2, 0, true).page, kPageSetup3);
    EXPECT_TRUE(plain.tasks.empty());
}

}  // namespace
