// Addresses typed the way a user types them: the pointer clicks into a box
// and the keys arrive through a real X server, on the static-IP page alone
// and through a whole set-up to the simulated router.
#include "dialog_translation.h"
#include "ip_address_ctrl.h"
#include "language_keys.h"
#include "page_test_helpers.h"
#include "message_box.h"
#include "static_ip_page.h"
#include "test_host.h"
#include "wizard_run.h"
#include "x_input.h"

#include "page_flow.h"
#include "tour_scenarios.h"

#include <QClipboard>

#include <gtest/gtest.h>

namespace {

using page_test::OpenPage;

#define SKIP_WITHOUT_X_INPUT()                                   \
    if (const QString why = XInputUnavailable(); !why.isEmpty()) \
    GTEST_SKIP() << "no real X input: " << why.toStdString()

// Inside the first box, where a user aims.
QPoint FirstOctet(const QWidget& field) {
    return field.mapToGlobal(QPoint(field.width() / 8, field.height() / 2));
}

bool ClickAndType(const QWidget& field, const QString& text) {
    return XClick(FirstOctet(field)) && XType(text);
}

class StaticIpTyping : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_X_INPUT();
        page_ = OpenPage<CStaticIpDlg>(host_);
        // The hint speaks the wizard's language, as under the main window.
        SetProgramLanguageTable(&host_.App().languageTable);
    }
    void TearDown() override { SetProgramLanguageTable(nullptr); }

    CIpAddressCtrl& Field(int id) { return *page_->Item<CIpAddressCtrl>(id); }

    TestHost host_;
    std::unique_ptr<CStaticIpDlg> page_;
};

}  // namespace

TEST_F(StaticIpTyping, TheFieldsHoldExactlyWhatWasTyped) {
    CIpAddressCtrl& ip = Field(CStaticIpDlg::kIdIp);
    // The page starts at 0: blank boxes, nothing for typed digits to join.
    EXPECT_EQ(ip.Text().toStdString(), "...");
    ASSERT_TRUE(ClickAndType(ip, u"192.168.1.10"_qs));
    EXPECT_EQ(ip.Text().toStdString(), "192.168.1.10");
    // Tab goes on to the mask, its first box ready to be typed over.
    ASSERT_TRUE(XKeys({u"Tab"_qs}));
    ASSERT_TRUE(XType(u"255.255.255.0"_qs));
    EXPECT_EQ(Field(CStaticIpDlg::kIdMask).Text().toStdString(), "255.255.255.0");
    ASSERT_TRUE(ClickAndType(Field(CStaticIpDlg::kIdGateway), u"9.9.9.9"_qs));
    EXPECT_EQ(Field(CStaticIpDlg::kIdGateway).Text().toStdString(), "9.9.9.9");
    ASSERT_TRUE(ClickAndType(Field(CStaticIpDlg::kIdDns1), u"9.9.9.9"_qs));

    // A filled field clicked again is typed over box by box, never joined.
    ASSERT_TRUE(ClickAndType(ip, u"10.0.0.2"_qs));
    EXPECT_EQ(ip.Text().toStdString(), "10.0.0.2");
    ASSERT_TRUE(page_->PageCheck());
    EXPECT_EQ(host_.App().staticIpParams.ip, "10.0.0.2");
    EXPECT_EQ(host_.App().staticIpParams.mask, "255.255.255.0");
    EXPECT_EQ(host_.App().staticIpParams.gateway, "9.9.9.9");
}

TEST_F(StaticIpTyping, AnOctetPast255IsRefusedAloudAPasteFillsTheBoxesAndBackspaceGoesBack) {
    CIpAddressCtrl& dns = Field(CStaticIpDlg::kIdDns1);
    ASSERT_TRUE(ClickAndType(dns, u"999"_qs));
    // The third 9 would make 999: refused, said, and the box keeps 99.
    EXPECT_EQ(dns.Text().toStdString(), "99...");
    EXPECT_EQ(dns.HintText().toStdString(),
              host_.App().languageTable.Lookup(lang::kOctetRange.toString()).toStdString());
    EXPECT_TRUE(dns.HintText().startsWith(u"Enter a number from 0 to 255"_qs));
    ASSERT_TRUE(XType(u".1.1.1"_qs));
    EXPECT_EQ(dns.Text().toStdString(), "99.1.1.1");
    EXPECT_TRUE(dns.HintText().isEmpty());

    QApplication::clipboard()->setText(u" 172.16.5.4\n"_qs);
    CIpAddressCtrl& secondDns = Field(CStaticIpDlg::kIdDns2);
    ASSERT_TRUE(XClick(FirstOctet(secondDns)));
    ASSERT_TRUE(XKeys({u"ctrl+v"_qs}));
    EXPECT_EQ(secondDns.Text().toStdString(), "172.16.5.4");
    EXPECT_EQ(secondDns.GetAddress(), 0xAC100504u);
    // Backspace from the start of an emptied box goes back into the one before.
    ASSERT_TRUE(XKeys({u"BackSpace"_qs, u"BackSpace"_qs, u"BackSpace"_qs}));
    ASSERT_TRUE(XType(u"7"_qs));
    EXPECT_EQ(secondDns.Text().toStdString(), "172.16.7.");
}

// The router gets the static address exactly as it was typed on the page.
TEST(AddressTypingRun, TheRouterGetsTheTypedStaticAddresses) {
    SKIP_WITHOUT_X_INPUT();
    WizardRun run(1033, [](std::chrono::milliseconds length) { SleepFor(length / 50); });
    ASSERT_TRUE(run.Start(run.RouterOptions('3')));
    WizardTour& tour = run.tour();
    for (int page = kPageWelcome; page <= kPageSetup4; ++page) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kResultOk);  // connected to the router
    tour.Click(kPageWanType, 1151);    // Static IP
    tour.ExpectPage(kPageStaticIp);
    const std::pair<int, QString> typed[] = {{CStaticIpDlg::kIdIp, u"192.168.1.10"_qs},
                                             {CStaticIpDlg::kIdMask, u"255.255.255.0"_qs},
                                             {CStaticIpDlg::kIdGateway, u"192.168.1.1"_qs},
                                             {CStaticIpDlg::kIdDns1, u"9.9.9.9"_qs}};
    for (const auto& [id, text] : typed) {
        tour.Add(u"type %1 into %2"_qs.arg(text).arg(id), [&run, id = id, text = text] {
            QWidget* field = run.window().Page(kPageStaticIp)->GetDlgItem(id);
            if (!run.window().isActiveWindow()) {
                run.window().activateWindow();
                return false;
            }
            EXPECT_TRUE(ClickAndType(*field, text)) << qPrintable(text);
            return true;
        });
    }
    tour.ClickNext();
    // The other pages as they come, the save, and Finish once the WAN is up.
    for (int page : {kPageMacClone, kPageWireless, kPageSecurity}) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    tour.AnswerMessageBox(kResultOk);
    AddWaitForWanAddress(tour);
    tour.ClickNext();

    EXPECT_EQ(run.Run(), kFinishedResult);
    ASSERT_FALSE(tour.Failed()) << qPrintable(tour.Failure());
    const routersim::RouterState state = run.router().state();
    EXPECT_EQ(state.wanType, routersim::kWanStatic);
    EXPECT_EQ(state.staticIp.ip, "192.168.1.10");
    EXPECT_EQ(state.staticIp.mask, "255.255.255.0");
    EXPECT_EQ(state.staticIp.gateway, "192.168.1.1");
    EXPECT_EQ(state.staticIp.dns1, "9.9.9.9");
}
