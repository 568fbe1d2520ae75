#include "tour_scenarios.h"

#include "mac_clone_page.h"
#include "main_window.h"
#include "message_box.h"
#include "page_flow.h"
#include "pppoe_page.h"
#include "security_page.h"
#include "validation.h"
#include "wan_type_page.h"
#include "wizard_tour.h"

namespace {

constexpr int kIdResultWanIp = kResultPageWanIpField;
constexpr int kSecurityWpa2Index = kSecurityWpa2;
constexpr int kOk = CDlgMessageBox::kIdOk;

}  // namespace

void AddLooksTour(WizardTour& tour) {
    constexpr int kSecurityWepIndex = kSecurityWep;
    tour.ExpectPage(kPageWelcome);
    tour.Hover(-1, CQelvaneDlg::kIdWebLink, QStringLiteral("hover-web-link"));
    tour.ClickNext();
    for (int page : {kPageSetup1, kPageSetup2, kPageSetup3, kPageSetup4}) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kOk);
    tour.ExpectPage(kPageWanType);
    tour.Hover(kPageWanType, CSetup5Dlg::kIdStaticIp, QStringLiteral("hover-choice"));
    tour.Click(kPageWanType, CSetup5Dlg::kIdStaticIp);
    tour.ExpectPage(kPageStaticIp, QStringLiteral("static-ip"));
    tour.ClickBack();
    tour.ExpectPage(kPageWanType);
    tour.Click(kPageWanType, CSetup5Dlg::kIdPppoe);
    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, CPPOESetDlg::kIdAccount, QStringLiteral("demo@isp.example"));
    tour.Type(kPagePppoe, CPPOESetDlg::kIdPassword, QStringLiteral("demo-pass"));
    tour.ClickNext();
    tour.ExpectPage(kPageMacClone);
    tour.Type(kPageMacClone, CMacCloneDlg::kIdMac, QStringLiteral("00:1A:2B"));
    tour.ClickNext();
    tour.AnswerMessageBox(kOk, QStringLiteral("mac-warning"));
    tour.Click(kPageMacClone, CMacCloneDlg::kIdRestore);
    tour.ClickNext();
    tour.ExpectPage(kPageWireless, QStringLiteral("wireless"));
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.Select(kPageSecurity, CSecuritySettingDlg::kIdSecurity, kSecurityWepIndex);
    tour.Select(kPageSecurity, CSecuritySettingDlg::kIdAuth, 1);
    tour.Select(kPageSecurity, CSecuritySettingDlg::kIdKeyType, 1);
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
    tour.AcceptMessagesUntilPage(kPageWanType, QStringLiteral("profile-switched"));

    tour.ExpectPage(kPageWanType, QStringLiteral("connection-type"));
    tour.Click(kPageWanType, CSetup5Dlg::kIdAutoDetect);
    tour.ShootProgress(QStringLiteral("progress-detect"));
    tour.AnswerMessageBox(kOk, QStringLiteral("detected"), QStringLiteral("PPPoE"));

    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, CPPOESetDlg::kIdAccount, settings.account);
    tour.Type(kPagePppoe, CPPOESetDlg::kIdPassword, settings.password);
    tour.ExpectPage(kPagePppoe, QStringLiteral("pppoe"));
    tour.Click(kPagePppoe, CPPOESetDlg::kIdCheckAccounts);
    tour.ShootProgress(QStringLiteral("progress-check"));
    tour.AnswerMessageBox(kOk, QStringLiteral("accounts-checked"));
    tour.ClickNext();

    tour.ExpectPage(kPageMacClone, QStringLiteral("mac-clone"));
    tour.ClickNext();
    tour.ExpectPage(kPageWireless, QStringLiteral("wireless"));
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.Select(kPageSecurity, CSecuritySettingDlg::kIdSecurity, kSecurityWpa2Index);
    tour.Type(kPageSecurity, CSecuritySettingDlg::kIdPassphrase, settings.wirelessKey);
    tour.ExpectPage(kPageSecurity, QStringLiteral("security"));
    tour.ClickNext();
    tour.ShootProgress(QStringLiteral("progress-save"));
    tour.AnswerMessageBox(kOk, QStringLiteral("save-ok"));
    tour.ShootProgress(QStringLiteral("progress-restart"));

    tour.ExpectPage(kPageResult, QStringLiteral("result-first"));
    AddWaitForWanAddress(tour);
}
