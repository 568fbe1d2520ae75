// Whether a save was confirmed is read in one place, for both front ends: the
// same scenarios go through the window (real widgets) and the headless
// driver, against the real library and the simulated router.
#include "headless_setup.h"
#include "language_keys.h"
#include "page_flow.h"
#include "message_box.h"
#include "tour_scenarios.h"
#include "wan_type_page.h"
#include "wizard_run.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kEnglish = 1033;
constexpr int kOk = CDlgMessageBox::kIdOk;
constexpr int kIdDynamicIp = CSetup5Dlg::kIdDynamicIp;

void ShortPause(std::chrono::milliseconds length) {
    SleepFor(length / 50);
}

struct SaveScenario {
    const char* name;
    bool routerVanishesAfterWanForm;
    bool saveConfirmed;
};

constexpr SaveScenario kScenarios[] = {
    {"router stays", false, true},
    // The wireless and security forms never arrive: the library reports
    // them not sent (-1), which is no confirmation.
    {"router goes away after the WAN form", true, false},
};

int RestartRequests(routersim::RouterSim& router) {
    const std::vector<std::string> requests = router.requests();
    return static_cast<int>(std::count_if(requests.begin(), requests.end(), [](const std::string& request) {
        return request.find("rebootTag=1") != std::string::npos;
    }));
}

void Prepare(WizardRun& run, const SaveScenario& scenario) {
    ASSERT_TRUE(run.Start(run.RouterOptions('2')));
    if (scenario.routerVanishesAfterWanForm) {
        run.controlObject().VanishAfterWanForm(ClosedLoopbackPort());
    }
}

void RunWindow(const SaveScenario& scenario) {
    SCOPED_TRACE(std::string("window, ") + scenario.name);
    WizardRun run(kEnglish, ShortPause);
    Prepare(run, scenario);
    const QString expected = run.app().languageTable.Lookup(
        (scenario.saveConfirmed ? lang::kSaveOk : lang::kSaveNotConfirmed).toString());
    WizardTour& tour = run.tour();
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kOk);
    tour.Click(kPageWanType, kIdDynamicIp);
    for (int page : {kPageMacClone, kPageWireless, kPageSecurity}) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    // The one box after the save: "Save OK" only for a confirmed save.
    tour.AnswerMessageBox(kOk, QString(), expected.left(40));
    tour.ExpectPage(kPageResult);
    if (scenario.saveConfirmed) {
        AddWaitForWanAddress(tour);
    }
    tour.ClickNext();
    EXPECT_EQ(run.Run(), kFinishedResult);
    EXPECT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
    EXPECT_EQ(RestartRequests(run.router()), scenario.saveConfirmed ? 1 : 0);
}

void RunHeadless(const SaveScenario& scenario) {
    SCOPED_TRACE(std::string("headless, ") + scenario.name);
    WizardRun run(kEnglish, ShortPause);
    Prepare(run, scenario);
    DriverOptions options;
    QString output;
    HeadlessEnvironment environment{ShortPause, [](const std::string&) { return std::string(); },
                                    [&output](const QString& text) { output += text; }};
    const int status = HeadlessSetup(run.app(), options, environment).Run();
    EXPECT_EQ(status, scenario.saveConfirmed ? kHeadlessSucceeded : kHeadlessFailed) << output.toStdString();
    EXPECT_EQ(output.contains(QStringLiteral("The router took the settings.")), scenario.saveConfirmed);
    EXPECT_EQ(output.contains(QStringLiteral("The router did not confirm the settings.")),
              !scenario.saveConfirmed);
    EXPECT_EQ(RestartRequests(run.router()), scenario.saveConfirmed ? 1 : 0);
}

TEST(SaveConfirmation, BothFrontEndsConfirmOnlyWhatTheRouterTook) {
    for (const SaveScenario& scenario : kScenarios) {
        RunWindow(scenario);
        RunHeadless(scenario);
    }
}

}  // namespace
