// The first nine pages on a test host: what they show in either language,
// what their buttons and checks do, and how the keyboard gets around them.
#include "control_id.h"
#include "dialog_base.h"
#include "hw_static.h"
#include "instruction_page.h"
#include "ip_address_ctrl.h"
#include "language_keys.h"
#include "message_box.h"
#include "modal_watch.h"
#include "page_test_helpers.h"
#include "page_flow.h"
#include "pppoe_page.h"
#include "setup_tasks.h"
#include "skin_images.h"
#include "static_ip_page.h"
#include "test_host.h"
#include "tunnel_page.h"
#include "wan_type_page.h"
#include "welcome_page.h"
#include "widget_test_app.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace page_test;

QString LabelText(const CDialogBase& page, int id) {
    return page.Item<CHwStatic>(id)->text();
}

// The template controls that Tab visits, starting at first (the boxes of an
// address field count as their field).
std::vector<int> TabStops(CDialogBase& page, int first, int presses) {
    page.GetDlgItem(first)->setFocus(Qt::TabFocusReason);
    std::vector<int> ids{first};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* control = QApplication::focusWidget();
        while (control != nullptr && ControlId(control) == 0) {
            control = control->parentWidget();
        }
        if (ControlId(control) != ids.back()) {
            ids.push_back(ControlId(control));
        }
    }
    return ids;
}

}  // namespace

TEST(WelcomePage, GreetsInEitherLanguageDespiteThePaddedKeys) {
    for (int language : {1033, kLanguageIdSimpChinese}) {
        TestHost host(language);
        auto page = OpenPage<CWelcomeDlg>(host);
        EXPECT_EQ(LabelText(*page, CWelcomeDlg::kIdHeading), Text(host, u"welcome")) << language;
        EXPECT_EQ(LabelText(*page, CWelcomeDlg::kIdText), Text(host, u"info")) << language;
    }
}

TEST(InstructionPages, ShowTheirStepTitleAndTheLanguagesPicture) {
    for (int language : {1033, kLanguageIdSimpChinese}) {
        TestHost host(language);
        const std::vector<std::unique_ptr<CInstructionPage>> pages = [&host] {
            std::vector<std::unique_ptr<CInstructionPage>> list;
            list.push_back(OpenPage<CSetup1Dlg>(host));
            list.push_back(OpenPage<CSetup2Dlg>(host));
            list.push_back(OpenPage<CSetup3Dlg>(host));
            list.push_back(OpenPage<CSetup4Dlg>(host));
            return list;
        }();
        const QString folder = language == kLanguageIdSimpChinese ? u"cn"_qs : u"en"_qs;
        for (const auto& page : pages) {
            const int step = page->Step();
            EXPECT_EQ(LabelText(*page, kIdStepNumber), QString::number(step));
            EXPECT_EQ(LabelText(*page, CInstructionPage::kIdTitle),
                      Text(host, lang::kInstructionCaptions[static_cast<std::size_t>(step - 1)]));
            // Below the title the page is the picture of its language.
            const QImage expected =
                LoadSkinImage(host.App().ProgramDir() + u"Skin/"_qs + folder + u"/Setup%1.bmp"_qs.arg(step));
            ASSERT_FALSE(expected.isNull());
            const QRect below(0, 100, page->width(), page->height() - 100);
            EXPECT_EQ(page->grab().toImage().copy(below).convertToFormat(QImage::Format_RGB32),
                      expected.copy(below).convertToFormat(QImage::Format_RGB32))
                << language << step;
        }
    }
}

TEST(WanTypePage, TypeButtonsSetTheTypeAndMoveOnByMouseOrKeyboard) {
    TestHost host;
    auto page = OpenPage<CSetup5Dlg>(host);
    const std::vector<std::pair<int, int>> buttons{{CSetup5Dlg::kIdDynamicIp, kWanDynamicIp},
                                                   {CSetup5Dlg::kIdStaticIp, kWanStaticIp},
                                                   {CSetup5Dlg::kIdPppoe, kWanPppoe},
                                                   {CSetup5Dlg::kIdPptp, kWanPptp},
                                                   {CSetup5Dlg::kIdL2tp, kWanL2tp}};
    for (const auto& [id, type] : buttons) {
        QTest::mouseClick(page->GetDlgItem(id), Qt::LeftButton);
        EXPECT_EQ(host.App().routerInfo.wanType, type);
        EXPECT_EQ(host.nextCalls.back(), kPageWanType);
    }
    EXPECT_EQ(host.nextCalls.size(), buttons.size());
    EXPECT_TRUE(host.tasks.empty());

    EXPECT_EQ(TabStops(*page, CSetup5Dlg::kIdAutoDetect, 5),
              (std::vector<int>{CSetup5Dlg::kIdAutoDetect, CSetup5Dlg::kIdDynamicIp, CSetup5Dlg::kIdStaticIp,
                                CSetup5Dlg::kIdPppoe, CSetup5Dlg::kIdPptp, CSetup5Dlg::kIdL2tp}));
    page->GetDlgItem(CSetup5Dlg::kIdStaticIp)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(host.App().routerInfo.wanType, kWanStaticIp);
    page->GetDlgItem(CSetup5Dlg::kIdPppoe)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(host.App().routerInfo.wanType, kWanPppoe);
    EXPECT_EQ(host.nextCalls.size(), buttons.size() + 2);
}

TEST(WanTypePage, SimplifiedChineseOffersNoTunnels) {
    for (int language : {1033, kLanguageIdSimpChinese}) {
        TestHost host(language);
        auto page = OpenPage<CSetup5Dlg>(host);
        const bool chinese = language == kLanguageIdSimpChinese;
        EXPECT_EQ(page->GetDlgItem(CSetup5Dlg::kIdPptp)->isVisible(), !chinese);
        EXPECT_EQ(page->GetDlgItem(CSetup5Dlg::kIdL2tp)->isVisible(), !chinese);
        EXPECT_TRUE(page->GetDlgItem(CSetup5Dlg::kIdPppoe)->isVisible());
    }
}

TEST(WanTypePage, DetectionReportsTheTypeFoundOrAFailure) {
    struct Case {
        int result;
        int typeAfter;  // the type chosen before is kWanPptp
        QStringView nameKey;
        QStringView separator;
    };
    const std::vector<Case> cases{{1, kWanStaticIp, lang::kStaticIp, u" "},
                                  {2, kWanDynamicIp, lang::kDynamicIp, u" "},
                                  {3, kWanPppoe, lang::kPppoe, u"   "},
                                  {0, kWanPptp, {}, {}},
                                  {4, kWanPptp, {}, {}},
                                  {-1, kWanPptp, {}, {}}};
    for (const Case& c : cases) {
        TestHost host;
        auto page = OpenPage<CSetup5Dlg>(host);
        host.App().routerInfo.wanType = kWanPptp;
        host.taskResults = {c.result};
        ShownBox box;
        AnswerNextBox(box);
        QTest::mouseClick(page->GetDlgItem(CSetup5Dlg::kIdAutoDetect), Qt::LeftButton);

        EXPECT_EQ(host.tasks, std::vector<int>{TASK_AUTO}) << c.result;
        EXPECT_EQ(box.count, 1) << c.result;
        EXPECT_EQ(box.type, c.nameKey.isEmpty() ? kMessageWarning : kMessageInformation) << c.result;
        if (c.nameKey.isEmpty()) {
            EXPECT_EQ(box.title, Text(host, lang::kAutoDetectionFailure)) << c.result;
            EXPECT_EQ(box.message, Text(host, lang::kAutoDetectionFailureDesc)) << c.result;
        } else {
            EXPECT_EQ(box.title, Text(host, lang::kSuccess)) << c.result;
            EXPECT_EQ(box.message,
                      Text(host, lang::kYourConnectionWay) + c.separator.toString() + Text(host, c.nameKey))
                << c.result;
        }
        EXPECT_EQ(host.App().routerInfo.wanType, c.typeAfter) << c.result;
        EXPECT_EQ(host.nextCalls, std::vector<int>{kPageWanType}) << c.result;
    }
}

TEST(PppoePage, CheckAccountsWarnsAboutEmptyFieldsThenReportsTheTask) {
    TestHost host;
    auto page = OpenPage<CPPOESetDlg>(host);
    QWidget* check = page->GetDlgItem(CPPOESetDlg::kIdCheckAccounts);
    TypeInto(*page, CPPOESetDlg::kIdAccount, u"user"_qs);
    ShownBox warning;
    AnswerNextBox(warning);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(warning.message, Text(host, lang::kPasswordEmpty));
    EXPECT_TRUE(host.tasks.empty());

    TypeInto(*page, CPPOESetDlg::kIdPassword, u"secret"_qs);
    host.taskResults = {1, 0};
    // Success wears the information picture, failure the warning sign.
    for (const auto& [expected, picture] : {std::pair{lang::kCheckAccountsCorrect, kMessageInformation},
                                            std::pair{lang::kCheckAccountsInaccuracy, kMessageWarning}}) {
        ShownBox outcome;
        AnswerNextBox(outcome);
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_TRUE(outcome.title.isEmpty());
        EXPECT_EQ(outcome.message, Text(host, expected));
        EXPECT_EQ(outcome.type, picture);
    }
    EXPECT_EQ(host.tasks, (std::vector<int>{TASK_CHECK, TASK_CHECK}));
    EXPECT_EQ(host.App().pppoeParams.user, "user");
    EXPECT_TRUE(host.nextCalls.empty());
}

TEST(PppoePage, KeepsWhatWasTypedAndStoresItEscapedAtEveryCheck) {
    TestHost host;
    auto page = OpenPage<CPPOESetDlg>(host);
    TypeInto(*page, CPPOESetDlg::kIdAccount, QString(65, u'a'));
    EXPECT_EQ(page->Item<QLineEdit>(CPPOESetDlg::kIdAccount)->text().size(), 64);

    TypeInto(*page, CPPOESetDlg::kIdAccount, u"a&b"_qs);
    TypeInto(*page, CPPOESetDlg::kIdPassword, u"p+w"_qs);
    // Check Accounts and then Next: the router gets the same text both times.
    host.taskResults = {1};
    ShownBox outcome;
    AnswerNextBox(outcome);
    QTest::mouseClick(page->GetDlgItem(CPPOESetDlg::kIdCheckAccounts), Qt::LeftButton);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(host.App().pppoeParams.user, "a%26b");
    EXPECT_EQ(host.App().pppoeParams.password, "p%2bw");
    EXPECT_EQ(page->Item<QLineEdit>(CPPOESetDlg::kIdAccount)->text(), u"a&b"_qs);
}

// Typed through an input method, as Chinese text is: the account would have
// gone out as nothing (PUN=) and Check Accounts would have blamed it.
TEST(PppoePage, RefusesAnAccountItCouldNotSendAsTyped) {
    TestHost host(kLanguageIdSimpChinese);
    auto page = OpenPage<CPPOESetDlg>(host);
    auto* account = page->Item<QLineEdit>(CPPOESetDlg::kIdAccount);
    account->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString(QString::fromUtf8("张三"));
    QApplication::sendEvent(account, &typed);
    ASSERT_EQ(account->text(), QString::fromUtf8("张三"));
    TypeInto(*page, CPPOESetDlg::kIdPassword, u"secret"_qs);
    host.App().pppoeParams.user = "old";

    ShownBox atCheck;
    AnswerNextBox(atCheck);
    QTest::mouseClick(page->GetDlgItem(CPPOESetDlg::kIdCheckAccounts), Qt::LeftButton);
    EXPECT_EQ(atCheck.message, Text(host, lang::kAccountUnsendable));
    EXPECT_EQ(atCheck.type, kMessageWarning);
    EXPECT_TRUE(host.tasks.empty());

    ShownBox atNext;
    AnswerNextBox(atNext);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(atNext.title, Text(host, lang::kWarningTitle));
    EXPECT_EQ(atNext.message, Text(host, lang::kAccountUnsendable));
    EXPECT_NE(atNext.message, lang::kAccountUnsendable.toString());  // the Chinese file has the key
    EXPECT_EQ(host.App().pppoeParams.user, "old");
    EXPECT_EQ(account->text(), QString::fromUtf8("张三"));
}

TEST(StaticIpPage, StoresDottedAddressesOrWarnsAndLeavesTheRecord) {
    TestHost host;
    auto page = OpenPage<CStaticIpDlg>(host);
    // The page starts at 0, shown as empty boxes.
    EXPECT_EQ(page->Item<CIpAddressCtrl>(CStaticIpDlg::kIdIp)->Text(), u"..."_qs);
    host.App().staticIpParams.ip = "untouched";
    ShownBox warning;
    AnswerNextBox(warning);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(warning.message, Text(host, lang::kIpAddressInvalid));
    EXPECT_EQ(host.App().staticIpParams.ip, "untouched");

    const std::vector<std::pair<int, std::uint32_t>> fields{{CStaticIpDlg::kIdIp, 0x0A000002u},
                                                            {CStaticIpDlg::kIdMask, 0xFFFFFF00u},
                                                            {CStaticIpDlg::kIdGateway, 0x0A000001u},
                                                            {CStaticIpDlg::kIdDns1, 0x08080808u}};
    for (const auto& [id, value] : fields) {
        page->Item<CIpAddressCtrl>(id)->SetAddress(value);
    }
    page->Item<CIpAddressCtrl>(CStaticIpDlg::kIdDns2)->ClearAddress();
    ASSERT_TRUE(page->PageCheck());
    const StaticIpParams& stored = host.App().staticIpParams;
    EXPECT_EQ(stored.ip, "10.0.0.2");
    EXPECT_EQ(stored.mask, "255.255.255.0");
    EXPECT_EQ(stored.gateway, "10.0.0.1");
    EXPECT_EQ(stored.dns1, "8.8.8.8");
    EXPECT_EQ(stored.dns2, "0.0.0.0");
}

TEST(TunnelPage, DynamicModeGreysTheAddressesAndSkipsTheirChecks) {
    TestHost host(kLanguageIdSimpChinese);
    auto page = OpenPage<CPPTPSettingDlg>(host);
    auto* mode = page->Item<QComboBox>(CPPTPSettingDlg::kIdAddressMode);
    ASSERT_EQ(mode->count(), 2);
    EXPECT_EQ(mode->itemText(0), Text(host, lang::kStatic));
    EXPECT_EQ(mode->itemText(1), Text(host, lang::kDynamic));
    EXPECT_EQ(mode->currentIndex(), kAddressModeStatic);

    auto* ip = page->Item<CIpAddressCtrl>(CPPTPSettingDlg::kIdIp);
    ip->SetAddress(0x0A000002u);
    mode->setCurrentIndex(kAddressModeDynamic);
    for (int id : {CPPTPSettingDlg::kIdIp, CPPTPSettingDlg::kIdMask, CPPTPSettingDlg::kIdGateway}) {
        EXPECT_FALSE(page->GetDlgItem(id)->isEnabled()) << id;
    }
    page->Item<CIpAddressCtrl>(CPPTPSettingDlg::kIdServer)->SetAddress(0x0A000001u);
    TypeInto(*page, CPPTPSettingDlg::kIdAccount, u"x,y"_qs);
    TypeInto(*page, CPPTPSettingDlg::kIdPassword, QString(65, u'p'));
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(host.App().tunnelParams.addressMode, kAddressModeDynamic);
    EXPECT_EQ(host.App().tunnelParams.server, "10.0.0.1");
    EXPECT_EQ(host.App().tunnelParams.user, "x%2cy");
    EXPECT_EQ(host.App().tunnelParams.password.size(), 65u);
    EXPECT_TRUE(host.App().tunnelParams.ip.empty());
    EXPECT_EQ(page->Item<QLineEdit>(CPPTPSettingDlg::kIdAccount)->text(), u"x,y"_qs);

    mode->setCurrentIndex(kAddressModeStatic);
    EXPECT_TRUE(ip->isEnabled());
    EXPECT_EQ(ip->GetAddress(), 0x0A000002u);
    ShownBox warning;
    AnswerNextBox(warning);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(warning.message, Text(host, lang::kSubnetMaskInvalid));
    EXPECT_EQ(host.App().tunnelParams.addressMode, kAddressModeStatic);
}

TEST(TunnelPage, TakesItsTitleFromTheFlowAndTabsThroughTheTable) {
    TestHost host;
    auto page = OpenPage<CPPTPSettingDlg>(host);
    EXPECT_EQ(LabelText(*page, CPPTPSettingDlg::kIdTitle), Text(host, u"PPTP Title"));
    page->SetTitleText(u"L2TP"_qs);
    EXPECT_EQ(LabelText(*page, CPPTPSettingDlg::kIdTitle), u"L2TP"_qs);
    // Four boxes in each of the four address fields.
    EXPECT_EQ(
        TabStops(*page, CPPTPSettingDlg::kIdServer, 18),
        (std::vector<int>{CPPTPSettingDlg::kIdServer, CPPTPSettingDlg::kIdAccount,
                          CPPTPSettingDlg::kIdPassword, CPPTPSettingDlg::kIdAddressMode,
                          CPPTPSettingDlg::kIdIp, CPPTPSettingDlg::kIdMask, CPPTPSettingDlg::kIdGateway}));
}
