#include "tour_scenarios.h"

#include "page_flow.h"
#include "wizard_tour.h"

namespace {

// Control ids of the templates the tour uses.
constexpr int kIdAutoDetect = 1152;
constexpr int kIdPppoeAccount = 1040;
constexpr int kIdPppoePassword = 1041;
constexpr int kIdCheckAccounts = 1146;
constexpr int kIdSecurityMode = 1126;
constexpr int kIdPassphrase = 1141;
constexpr int kIdResultWanIp = kResultPageWanIpField;
constexpr int kSecurityWpa2Index = 3;
constexpr int kOk = 1;

}  // namespace

void AddLooksTour(WizardTour& tour) {
    constexpr int kIdWebLink = 1147;
    constexpr int kIdStaticIp = 1151;
    constexpr int kIdPppoe = 1149;
    constexpr int kIdMac = 1038;
    constexpr int kIdRestoreMac = 1147;
    constexpr int kIdAuth = 1127;
    constexpr int kIdKeyType = 1128;
    constexpr int kSecurityWepIndex = 1;
    tour.ExpectPage(kPageWelcome);
    tour.Hover(-1, kIdWebLink, QStringLiteral("hover-web-link"));
    tour.ClickNext();
    for (int page : {kPageSetup1, kPageSetup2, kPageSetup3, kPageSetup4}) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kOk);
    tour.ExpectPage(kPageWanType);
    tour.Hover(kPageWanType, kIdStaticIp, QStringLiteral("hover-choice"));
    tour.Click(kPageWanType, kIdStaticIp);
    tour.ExpectPage(kPageStaticIp, QStringLiteral("static-ip"));
    tour.ClickBack();
    tour.ExpectPage(kPageWanType);
    tour.Click(kPageWanType, kIdPppoe);
    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, kIdPppoeAccount, QStringLiteral("demo@isp.example"));
    tour.Type(kPagePppoe, kIdPppoePassword, QStringLiteral("demo-pass"));
    tour.ClickNext();
    tour.ExpectPage(kPageMacClone);
    tour.Type(kPageMacClone, kIdMac, QStringLiteral("00:1A:2B"));
    tour.ClickNext();
    tour.AnswerMessageBox(kOk, QStringLiteral("mac-warning"));
    tour.Click(kPageMacClone, kIdRestoreMac);
    tour.ClickNext();
    tour.ExpectPage(kPageWireless, QStringLiteral("wireless"));
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.Select(kPageSecurity, kIdSecurityMode, kSecurityWepIndex);
    tour.Select(kPageSecurity, kIdAuth, 1);
    tour.Select(kPageSecurity, kIdKeyType, 1);
    tour.ExpectPage(kPageSecurity, QStringLiteral("security-wep"));
    tour.ShootAbout(QStringLiteral("about"));
}

void AddWaitForWanAddress(WizardTour& tour) {
    tour.ExpectPage(kPageResult);
    // The result page polls the router until it reports an address.
    tour.WaitForText(kPageResult, kIdResultWanIp, QStringLiteral("result"));
}

void AddPppoeTour(WizardTour& tour, const PppoeTourSettings& settings) {
    tour.ExpectPage(kPageWelcome, QStringLiteral("welcome"));
    tour.ClickNext();
    for (int page : {kPageSetup1, kPageSetup2, kPageSetup3}) {
        tour.ExpectPage(page, QStringLiteral("step%1").arg(page));
        tour.ClickNext();
    }
    tour.ExpectPage(kPageSetup4, QStringLiteral("step4"));
    tour.ClickNext();
    tour.ShootProgress(QStringLiteral("progress-link"));
    tour.AnswerMessageBox(kOk, QStringLiteral("connect-ok"));

    tour.ExpectPage(kPageWanType, QStringLiteral("connection-type"));
    tour.Click(kPageWanType, kIdAutoDetect);
    tour.ShootProgress(QStringLiteral("progress-detect"));
    tour.AnswerMessageBox(kOk, QStringLiteral("detected"), QStringLiteral("PPPoE"));

    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, kIdPppoeAccount, settings.account);
    tour.Type(kPagePppoe, kIdPppoePassword, settings.password);
    tour.ExpectPage(kPagePppoe, QStringLiteral("pppoe"));
    tour.Click(kPagePppoe, kIdCheckAccounts);
    tour.ShootProgress(QStringLiteral("progress-check"));
    tour.AnswerMessageBox(kOk, QStringLiteral("accounts-checked"));
    tour.ClickNext();

    tour.ExpectPage(kPageMacClone, QStringLiteral("mac-clone"));
    tour.ClickNext();
    tour.ExpectPage(kPageWireless, QStringLiteral("wireless"));
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.Select(kPageSecurity, kIdSecurityMode, kSecurityWpa2Index);
    tour.Type(kPageSecurity, kIdPassphrase, settings.wirelessKey);
    tour.ExpectPage(kPageSecurity, QStringLiteral("security"));
    tour.ClickNext();
    tour.ShootProgress(QStringLiteral("progress-save"));
    tour.AnswerMessageBox(kOk, QStringLiteral("save-ok"));
    tour.ShootProgress(QStringLiteral("progress-restart"));

    tour.ExpectPage(kPageResult, QStringLiteral("result-first"));
    AddWaitForWanAddress(tour);
}
