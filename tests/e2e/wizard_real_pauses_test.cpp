// One whole wizard run with the program's own pauses (about 80 s): the
// progress windows, the polling result page and the router's restart in
// real time, as a user sees them.
#include "wizard_run.h"

#include "tour_scenarios.h"

#include <gtest/gtest.h>

namespace {

constexpr int kEnglish = 1033;

}  // namespace

TEST(WizardRunRealPauses, PppoeWithTheProgramsOwnPauses) {
    WizardRun run(kEnglish, SleepFor);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    run.tour().SetStepTimeout(120000);
    AddPppoeTour(run.tour(), {QString::fromLatin1(kIspUser), QString::fromLatin1(kIspPassword),
                              QStringLiteral("QelvaneTest2024"), false});
    run.tour().ClickNext();
    EXPECT_EQ(run.Run(), kFinishedResult);
    EXPECT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
    EXPECT_FALSE(run.app().wanStatus.wanIp.empty());
}
