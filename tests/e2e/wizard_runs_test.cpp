// Whole wizard runs through the real widgets against the simulated router,
// with the set-up pauses shortened fifty-fold: every router call still goes
// over the wire, every page, box and progress window is the real one.
#include "wizard_run.h"

#include "message_box.h"
#include "pppoe_page.h"
#include "static_ip_page.h"
#include "tunnel_page.h"
#include "wan_type_page.h"
#include "page_flow.h"
#include "progress_dlg.h"
#include "wizard_page.h"
#include "tour_scenarios.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

constexpr int kEnglish = 1033;
constexpr int kChinese = 2052;
constexpr int kOk = CDlgMessageBox::kIdOk;
constexpr int kYes = CDlgMessageBox::kIdYes;
constexpr int kNo = CDlgMessageBox::kIdNo;

// Control ids of the templates.
constexpr int kIdNext = CQelvaneDlg::kIdNext;
constexpr int kIdBack = CQelvaneDlg::kIdBack;
constexpr int kIdManual = CQelvaneDlg::kIdManual;
constexpr int kIdDynamicIp = CSetup5Dlg::kIdDynamicIp;
constexpr int kIdStaticIp = CSetup5Dlg::kIdStaticIp;
constexpr int kIdPppoe = CSetup5Dlg::kIdPppoe;
constexpr int kIdPptp = CSetup5Dlg::kIdPptp;
constexpr int kIdL2tp = CSetup5Dlg::kIdL2tp;
constexpr int kIdAutoDetect = CSetup5Dlg::kIdAutoDetect;
constexpr int kIdAccount = CPPOESetDlg::kIdAccount;
constexpr int kIdPassword = CPPOESetDlg::kIdPassword;
constexpr int kIdCheckAccounts = CPPOESetDlg::kIdCheckAccounts;
constexpr int kIdTunnelTitle = CPPTPSettingDlg::kIdTitle;

void ShortPause(std::chrono::milliseconds length) {
    SleepFor(length / 50);
}

// Welcome to the type page, with the link task's "Connect OK".
void AddToTypePage(WizardTour& tour) {
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kOk);
    tour.ExpectPage(kPageWanType);
}

// The MAC, wireless and security pages with their defaults, the save with
// "Save OK" and the restart, and Finish once the result page has an address.
void AddToFinish(WizardTour& tour) {
    tour.ExpectPage(kPageMacClone);
    tour.ClickNext();
    tour.ExpectPage(kPageWireless);
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.ClickNext();
    tour.AnswerMessageBox(kOk);
    AddWaitForWanAddress(tour);
    tour.ClickNext();
}

struct TypeRun {
    const char* name;
    int typeButton;
    std::function<void(WizardTour&)> fillSettingsPage;
    int routerWanType;
    std::function<void(const routersim::RouterState&)> check;
};

void PrintTo(const TypeRun& run, std::ostream* out) {
    *out << run.name;
}

class WizardTypeRunTest : public ::testing::TestWithParam<TypeRun> {};

TEST_P(WizardTypeRunTest, WelcomeToFinishSetsTheRouterUp) {
    const TypeRun& type = GetParam();
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    AddToTypePage(run.tour());
    run.tour().Click(kPageWanType, type.typeButton);
    type.fillSettingsPage(run.tour());
    AddToFinish(run.tour());

    EXPECT_EQ(run.Run(), kFinishedResult);
    ASSERT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
    const routersim::RouterState state = run.router().state();
    EXPECT_EQ(state.wanType, type.routerWanType);
    EXPECT_EQ(state.restartCount, 1);
    EXPECT_EQ(state.security.mode, "Disable");
    EXPECT_FALSE(state.wanIp.empty());
    type.check(state);
}

INSTANTIATE_TEST_SUITE_P(
    Types, WizardTypeRunTest,
    ::testing::Values(
        TypeRun{"Dynamic", kIdDynamicIp, [](WizardTour&) {}, routersim::kWanDynamic,
                [](const routersim::RouterState&) {}},
        TypeRun{"Static", kIdStaticIp,
                [](WizardTour& tour) {
                    tour.ExpectPage(kPageStaticIp);
                    tour.SetAddress(kPageStaticIp, CStaticIpDlg::kIdIp, QStringLiteral("198.51.100.7"));
                    tour.SetAddress(kPageStaticIp, CStaticIpDlg::kIdMask, QStringLiteral("255.255.255.0"));
                    tour.SetAddress(kPageStaticIp, CStaticIpDlg::kIdGateway, QStringLiteral("198.51.100.1"));
                    tour.SetAddress(kPageStaticIp, CStaticIpDlg::kIdDns1, QStringLiteral("198.51.100.1"));
                    tour.ClickNext();
                },
                routersim::kWanStatic,
                [](const routersim::RouterState& state) {
                    EXPECT_EQ(state.staticIp.ip, "198.51.100.7");
                    EXPECT_EQ(state.staticIp.gateway, "198.51.100.1");
                    EXPECT_EQ(state.wanIp, "198.51.100.7");
                }},
        TypeRun{"Pppoe", kIdPppoe,
                [](WizardTour& tour) {
                    tour.ExpectPage(kPagePppoe);
                    tour.Type(kPagePppoe, kIdAccount, QString::fromLatin1(kIspUser));
                    tour.Type(kPagePppoe, kIdPassword, QString::fromLatin1(kIspPassword));
                    tour.ClickNext();
                },
                routersim::kWanPppoe,
                [](const routersim::RouterState& state) {
                    EXPECT_EQ(state.pppoe.user, kIspUser);
                    EXPECT_EQ(state.pppoe.password, kIspPassword);
                }},
        TypeRun{"Pptp", kIdPptp,
                [](WizardTour& tour) {
                    tour.ExpectPage(kPageTunnel);
                    tour.SetAddress(kPageTunnel, CPPTPSettingDlg::kIdServer, QStringLiteral("198.51.100.20"));
                    tour.Type(kPageTunnel, CPPTPSettingDlg::kIdAccount, QString::fromLatin1(kIspUser));
                    tour.Type(kPageTunnel, CPPTPSettingDlg::kIdPassword, QString::fromLatin1(kIspPassword));
                    tour.Select(kPageTunnel, CPPTPSettingDlg::kIdAddressMode, 1);  // dynamic addressing
                    tour.ClickNext();
                },
                routersim::kWanPptp,
                [](const routersim::RouterState& state) {
                    EXPECT_EQ(state.pptp.server, "198.51.100.20");
                    EXPECT_EQ(state.pptp.user, kIspUser);
                }},
        TypeRun{"L2tp", kIdL2tp,
                [](WizardTour& tour) {
                    tour.ExpectPage(kPageTunnel);
                    tour.SetAddress(kPageTunnel, CPPTPSettingDlg::kIdServer, QStringLiteral("198.51.100.21"));
                    tour.Type(kPageTunnel, CPPTPSettingDlg::kIdAccount, QString::fromLatin1(kIspUser));
                    tour.Type(kPageTunnel, CPPTPSettingDlg::kIdPassword, QString::fromLatin1(kIspPassword));
                    tour.Select(kPageTunnel, CPPTPSettingDlg::kIdAddressMode, 1);
                    tour.ClickNext();
                },
                routersim::kWanL2tp,
                [](const routersim::RouterState& state) { EXPECT_EQ(state.l2tp.server, "198.51.100.21"); }}),
    [](const ::testing::TestParamInfo<TypeRun>& info) { return std::string(info.param.name); });

TEST(WizardRun, PppoeTourWithDetectionAndWpa2) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    AddPppoeTour(run.tour(), {QString::fromLatin1(kIspUser), QString::fromLatin1(kIspPassword),
                              QStringLiteral("QelvaneTest2024"), false});
    run.tour().ClickNext();
    EXPECT_EQ(run.Run(), kFinishedResult);
    ASSERT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
    const routersim::RouterState state = run.router().state();
    EXPECT_EQ(state.wanType, routersim::kWanPppoe);
    EXPECT_EQ(state.security.mode, "WPA2PSK");
    EXPECT_EQ(state.security.passphrase, "QelvaneTest2024");
    EXPECT_EQ(run.app().wanStatus.wanIp, state.wanIp);
}

// A router that does not answer gets the cabling picture; one that refuses
// the login of setting.ini gets a warning that names the file, not the
// picture. Next retries either way.
TEST(WizardRun, LinkErrorsSayWhetherTheRouterAnsweredAndNextRetries) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    const std::string rightPassword = run.app().routerInfo.password;
    run.router().setFault(routersim::Fault::Reset);
    WizardTour& tour = run.tour();
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerLinkError();
    tour.ExpectPage(kPageSetup4);
    tour.Add(QStringLiteral("the router answers but not to this login"), [&] {
        run.router().setFault(routersim::Fault::None);
        run.app().routerInfo.password = "not-the-password";
        return true;
    });
    tour.ClickNext();
    tour.Add(QStringLiteral("a warning, not the link-error picture"), [&run] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == &run.window() || !modal->isVisible() ||
            qobject_cast<CProgressDlg*>(modal) != nullptr) {
            return false;
        }
        auto* box = qobject_cast<CDlgMessageBox*>(modal);
        EXPECT_NE(box, nullptr) << "the link-error picture came up for a refused login";
        if (box != nullptr) {
            EXPECT_EQ(box->Type(), kMessageWarning);
        }
        return true;
    });
    // The file the login was read from, links followed.
    const QString settingsPath =
        QFileInfo(BinDirectory() + QStringLiteral("setting.ini")).canonicalFilePath();
    ASSERT_FALSE(settingsPath.isEmpty());
    tour.AnswerMessageBox(kOk, QString(), settingsPath);
    tour.ExpectPage(kPageSetup4);
    tour.Add(QStringLiteral("fix the login"), [&] {
        run.app().routerInfo.password = rightPassword;
        return true;
    });
    tour.ClickNext();
    tour.AnswerMessageBox(kOk, QString(), QString());
    tour.ExpectPage(kPageWanType);
    tour.ClickExit();
    tour.AnswerMessageBox(kYes);
    EXPECT_EQ(run.Run(), 0);
    EXPECT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
}

// A tour step that waits for the box that says `text`: the box before may
// still be closing.
void WaitForBoxSaying(WizardTour& tour, const QString& text) {
    tour.Add(QStringLiteral("a box saying ") + text, [text] {
        auto* box = qobject_cast<CDlgMessageBox*>(QApplication::activeModalWidget());
        return box != nullptr && box->isVisible() && box->Message().contains(text);
    });
}

// A profile the link task switched is asked about once the user has said
// they want to leave; "No" runs the restore behind the progress window (here
// the tools' way, which puts nothing back) and says what to run instead.
TEST(WizardRun, ExitAfterASwitchAsksWhetherToKeepItAndTellsWhatCameOfPuttingItBack) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    SwitchedProfile switched;
    switched.adapter = QStringLiteral("enp3s0");
    switched.profileName = QStringLiteral("Wired connection 1");
    switched.fixedAddresses = {QStringLiteral("127.0.1.10/24")};
    switched.undoCommand = QStringLiteral("nmcli connection up 'Wired connection 1'");
    run.app().switchedProfiles.push_back(switched);
    WizardTour& tour = run.tour();
    tour.ExpectPage(kPageWelcome);
    tour.ClickExit();
    tour.AnswerMessageBox(kYes);
    for (const auto& [text, answer] :
         {std::pair{QStringLiteral("\"Wired connection 1\" of adapter enp3s0"), kNo},
          std::pair{QStringLiteral("could not be put back"), kOk}, std::pair{switched.undoCommand, kOk}}) {
        WaitForBoxSaying(tour, text);
        tour.AnswerMessageBox(answer);
    }

    EXPECT_EQ(run.Run(), 0);
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
    ASSERT_TRUE(run.app().switchedProfiles[0].restore.has_value());
    EXPECT_EQ(run.app().switchedProfiles[0].restore->result, ProfileRestoreResult::Failed);
}

struct DetectionCase {
    char routerAnswer;
    bool success;
    int page;  // where the wizard is afterwards
};

TEST(WizardRun, DetectionMovesToTheDetectedTypeOrReportsFailure) {
    for (const DetectionCase& detection :
         {DetectionCase{'1', true, kPageStaticIp}, DetectionCase{'2', true, kPageMacClone},
          DetectionCase{'3', true, kPagePppoe}, DetectionCase{'4', false, kPageWanType}}) {
        SCOPED_TRACE(detection.routerAnswer);
        WizardRun run(kEnglish, ShortPause);
        ASSERT_TRUE(run.Start(run.RouterOptions(detection.routerAnswer)));
        AddToTypePage(run.tour());
        run.tour().Click(kPageWanType, kIdAutoDetect);
        run.tour().AnswerMessageBox(kOk);
        run.tour().ExpectPage(detection.page);
        run.tour().ClickExit();
        run.tour().AnswerMessageBox(kYes);
        EXPECT_EQ(run.Run(), 0);
        EXPECT_FALSE(run.tour().Failed()) << qPrintable(run.tour().Failure());
        EXPECT_EQ(run.app().routerInfo.wanType, detection.success ? detection.routerAnswer - '0' : 0);
    }
}

TEST(WizardRun, DetectionWithoutAnAnswerKeepsTheTypeChosenBefore) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    AddToTypePage(tour);
    tour.Click(kPageWanType, kIdStaticIp);
    tour.ExpectPage(kPageStaticIp);
    tour.ClickBack();
    tour.ExpectPage(kPageWanType);
    tour.Add(QStringLiteral("the router stops answering"), [&] {
        run.router().setFault(routersim::Fault::Reset);
        return true;
    });
    tour.Click(kPageWanType, kIdAutoDetect);
    tour.AnswerMessageBox(kOk);
    tour.ExpectPage(kPageStaticIp);
    tour.ClickExit();
    tour.AnswerMessageBox(kYes);
    run.Run();
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
    EXPECT_EQ(run.app().routerInfo.wanType, kWanStaticIp);
}

TEST(WizardRun, CheckAccountsSaysWhetherTheIspTookTheAccount) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    AddToTypePage(tour);
    tour.Click(kPageWanType, kIdPppoe);
    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, kIdAccount, QString::fromLatin1(kIspUser));
    tour.Type(kPagePppoe, kIdPassword, QStringLiteral("wrong"));
    tour.Click(kPagePppoe, kIdCheckAccounts);
    const QString inaccurate = run.app().languageTable.Lookup(QStringLiteral("Check accounts inaccuracy"));
    tour.AnswerMessageBox(kOk, QString(), inaccurate);
    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, kIdPassword, QString::fromLatin1(kIspPassword));
    tour.Click(kPagePppoe, kIdCheckAccounts);
    const QString correct = run.app().languageTable.Lookup(QStringLiteral("Check accounts correct"));
    tour.AnswerMessageBox(kOk, QString(), correct);
    tour.ExpectPage(kPagePppoe);
    tour.ClickExit();
    tour.AnswerMessageBox(kYes);
    run.Run();
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
}

// An account with a character the router's form cannot carry is refused at
// Check Accounts and at Next, and the router never gets an empty PUN= for it;
// retyped, it goes out as typed.
TEST(WizardRun, ANonAsciiPppoeAccountIsRefusedAndNeverSentEmpty) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    AddToTypePage(tour);
    tour.Click(kPageWanType, kIdPppoe);
    tour.ExpectPage(kPagePppoe);
    // Typed through an input method, the way Chinese text arrives.
    const QString typed = QString::fromUtf8("\u5f20\u4e09");
    tour.Add(QStringLiteral("type the account through an input method"), [&] {
        auto* account = qobject_cast<QLineEdit*>(run.window().Page(kPagePppoe)->GetDlgItem(kIdAccount));
        account->setFocus(Qt::MouseFocusReason);
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(account, &commit);
        EXPECT_EQ(account->text(), typed);
        return true;
    });
    tour.Type(kPagePppoe, kIdPassword, QString::fromLatin1(kIspPassword));
    const QString refused = run.app().languageTable.Lookup(QStringLiteral("Account Characters"));
    tour.Click(kPagePppoe, kIdCheckAccounts);
    tour.AnswerMessageBox(kOk, QString(), refused);
    tour.ExpectPage(kPagePppoe);
    tour.ClickNext();
    tour.AnswerMessageBox(kOk, QString(), refused);
    tour.ExpectPage(kPagePppoe);
    tour.Type(kPagePppoe, kIdAccount, QString::fromLatin1(kIspUser));
    tour.ClickNext();
    AddToFinish(tour);
    EXPECT_EQ(run.Run(), kFinishedResult);
    ASSERT_FALSE(tour.Failed()) << qPrintable(tour.Failure());

    int pppoeForms = 0;
    for (const std::string& request : run.router().requests()) {
        if (request.find("WANT=3&") != std::string::npos) {
            ++pppoeForms;
            EXPECT_EQ(request.find("&PUN=&"), std::string::npos) << request;
        }
    }
    EXPECT_EQ(pppoeForms, 1);
    EXPECT_EQ(run.router().state().pppoe.user, kIspUser);
}

TEST(WizardRun, ASaveTheRouterDidNotTakeGoesToTheResultPageWithoutRestarting) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    AddToTypePage(tour);
    tour.Click(kPageWanType, kIdDynamicIp);
    tour.ExpectPage(kPageMacClone);
    tour.ClickNext();
    tour.ExpectPage(kPageWireless);
    tour.ClickNext();
    tour.ExpectPage(kPageSecurity);
    tour.Add(QStringLiteral("the router goes away"), [&] {
        run.router().stop();
        return true;
    });
    tour.ClickNext();
    // Nothing was sent: no "Save OK" but a warning that says so, then the
    // result page.
    tour.AnswerMessageBox(kOk, QString(), QStringLiteral("did not confirm"));
    tour.ExpectPage(kPageResult);
    tour.ClickNext();
    EXPECT_EQ(run.Run(), kFinishedResult);
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
    EXPECT_EQ(run.router().state().restartCount, 0);
}

TEST(WizardRun, BackFromEveryPageAndTheCloseQuestion) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    AddToTypePage(tour);
    // The MAC page leads back to the settings page of the type.
    const struct {
        int typeButton;
        int settingsPage;
    } types[] = {{kIdStaticIp, kPageStaticIp}, {kIdPppoe, kPagePppoe}, {kIdL2tp, kPageTunnel}};
    for (const auto& type : types) {
        tour.Click(kPageWanType, type.typeButton);
        tour.ExpectPage(type.settingsPage);
        tour.Add(QStringLiteral("the MAC page"), [&run] {
            run.window().ShowPage(kPageMacClone);
            return true;
        });
        tour.ClickBack();
        tour.ExpectPage(type.settingsPage);
        tour.ClickBack();
        tour.ExpectPage(kPageWanType);
    }
    tour.Click(kPageWanType, kIdDynamicIp);
    tour.ExpectPage(kPageMacClone);
    tour.ClickBack();
    tour.ExpectPage(kPageWanType);
    for (int page = kPageWanType; page > kPageWelcome; --page) {
        tour.ClickBack();
        tour.ExpectPage(page - 1);
    }
    tour.Add(QStringLiteral("Manual instead of Back on the welcome page"), [&run] {
        return run.window().GetDlgItem(kIdManual)->isVisible() &&
               run.window().GetDlgItem(kIdBack)->isHidden();
    });
    // Exit asks; No keeps the wizard, the close box asks the same.
    tour.ClickExit();
    tour.AnswerMessageBox(kNo);
    tour.ExpectPage(kPageWelcome);
    tour.Add(QStringLiteral("close box"), [&run] {
        QTimer::singleShot(0, &run.window(), [&run] { run.window().close(); });
        return true;
    });
    tour.AnswerMessageBox(kYes);
    EXPECT_EQ(run.Run(), 0);
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
}

TEST(WizardRun, ChineseOffersNoTunnelsAndSpeaksChinese) {
    WizardRun run(kChinese, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.Add(QStringLiteral("the box's OK in Chinese"), [&run] {
        auto* box = qobject_cast<CDlgMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return false;
        }
        EXPECT_EQ(box->Item<QAbstractButton>(kOk)->text(),
                  run.app().languageTable.Lookup(QStringLiteral("OK")));
        return true;
    });
    tour.AnswerMessageBox(kOk);
    tour.ExpectPage(kPageWanType);
    tour.Add(QStringLiteral("no PPTP or L2TP"), [&run] {
        CWizardPage* page = run.window().Page(kPageWanType);
        EXPECT_TRUE(page->GetDlgItem(kIdPptp)->isHidden());
        EXPECT_TRUE(page->GetDlgItem(kIdL2tp)->isHidden());
        EXPECT_TRUE(page->GetDlgItem(kIdPppoe)->isVisible());
        return true;
    });
    tour.ClickBack();
    tour.ExpectPage(kPageSetup4);
    tour.Add(QStringLiteral("Chinese captions"), [&run] {
        auto* next = qobject_cast<QAbstractButton*>(run.window().GetDlgItem(kIdNext));
        EXPECT_EQ(next->text(), run.app().languageTable.Lookup(QStringLiteral("Next")));
        EXPECT_NE(next->text(), QStringLiteral("Next"));
        return true;
    });
    tour.ClickExit();
    tour.AnswerMessageBox(kYes);
    run.Run();
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
}

TEST(WizardRun, TheKeyboardAloneCompletesASetUp) {
    WizardRun run(kEnglish, ShortPause);
    ASSERT_TRUE(run.Start(run.RouterOptions('2')));
    WizardTour& tour = run.tour();
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.TabTo(-1, kIdNext);
        tour.PressKey(Qt::Key_Space);
    }
    tour.AnswerMessageBoxWithKey(Qt::Key_Return);
    tour.ExpectPage(kPageWanType);
    tour.TabTo(kPageWanType, kIdDynamicIp);
    tour.PressKey(Qt::Key_Return);
    for (int page : {kPageMacClone, kPageWireless, kPageSecurity}) {
        tour.ExpectPage(page);
        tour.TabTo(-1, kIdNext);
        tour.PressKey(Qt::Key_Space);
    }
    tour.AnswerMessageBoxWithKey(Qt::Key_Space);
    AddWaitForWanAddress(tour);
    tour.TabTo(-1, kIdNext);
    tour.PressKey(Qt::Key_Return);
    EXPECT_EQ(run.Run(), kFinishedResult);
    EXPECT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
    EXPECT_EQ(run.router().state().wanType, routersim::kWanDynamic);
}

}  // namespace
