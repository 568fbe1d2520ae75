// The MAC-clone, wireless, security and result pages on a test host: their
// defaults in either language, which rows the security mode shows, what each
// check stores, and how the result page shows what it is given. The result
// page's reads from a router are in result_polling_test.cpp.
#include "control_id.h"
#include "hw_button_kinds.h"
#include "language_choice.h"
#include "language_keys.h"
#include "mac_clone_page.h"
#include "main_window.h"
#include "page_flow.h"
#include "page_test_helpers.h"
#include "result_page.h"
#include "security_page.h"
#include "wireless_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace page_test;

namespace {

// Control ids of the page templates.
constexpr int kMacField = 1038, kCloneButton = 1146, kRestoreButton = 1147;
constexpr int kSsidField = 1108, kModeList = 1111, kChannelList = 1112, kBroadcastBox = 1113;
constexpr int kSecurityList = 1126, kAuthList = 1127, kKeyTypeList = 1128, kTransmitKeyList = 1129,
              kWepKeyField = 1130, kWpaTypeList = 1139, kPassphraseField = 1141, kKeyTimeField = 1142,
              kWpaTypeLabel = 1144, kWpaKeyLabel = 1145, kSecurityNote = 1203, kWepNote = 1205;
constexpr int kResultLinkMode = 1196, kResultIp = 1197, kResultSsid = 1201, kResultChannel = 1206,
              kResultMode = 1202, kResultBroadcast = 1203, kResultEncryption = 1204, kResultKey = 1205,
              kResultRouterFound = 1208;

const std::vector<int> kLanguages{1033, kLanguageIdSimpChinese};

QComboBox* List(CDialogBase& page, int id) {
    return page.Item<QComboBox>(id);
}

QStringList Items(CDialogBase& page, int id) {
    QStringList items;
    for (int i = 0; i < List(page, id)->count(); ++i) items << List(page, id)->itemText(i);
    return items;
}

}  // namespace

// --- wireless page ---------------------------------------------------------

TEST(WirelessPage, StartsWithTheLanguagesNameAutoChannelBgnAndBroadcastOn) {
    for (int language : kLanguages) {
        TestHost host(language);
        auto page = OpenPage<CWirelessSettingDlg>(host);
        EXPECT_EQ(FieldText(*page, kSsidField), Text(host, lang::kSsidValue).trimmed()) << language;
        EXPECT_EQ(page->Item<QLineEdit>(kSsidField)->maxLength(), 32);
        EXPECT_EQ(Items(*page, kModeList),
                  (QStringList{Text(host, lang::kModeBgMixed), Text(host, lang::kModeBgnMixed)}));
        EXPECT_EQ(List(*page, kModeList)->currentIndex(), 1);
        QStringList channels{Text(host, lang::kAuto)};
        for (int channel = 1; channel <= 13; ++channel) channels << QString::number(channel);
        EXPECT_EQ(Items(*page, kChannelList), channels) << language;
        EXPECT_EQ(List(*page, kChannelList)->currentIndex(), 0);
        EXPECT_EQ(page->Item<CHwBtn_ChkRadio>(kBroadcastBox)->GetCheck(), 1);
        // Closed, each list is one line high: neither covers the row below.
        EXPECT_LT(List(*page, kModeList)->geometry().bottom(), List(*page, kChannelList)->y());
        EXPECT_LT(List(*page, kChannelList)->geometry().bottom(), page->GetDlgItem(kBroadcastBox)->y());
    }
    // The Chinese file really is the one in use.
    TestHost chinese(kLanguageIdSimpChinese);
    EXPECT_NE(Text(chinese, lang::kAuto), u"Auto"_qs);
}

TEST(WirelessPage, TabFollowsTheTableAndSpaceTogglesBroadcast) {
    TestHost host;
    auto page = OpenPage<CWirelessSettingDlg>(host);
    page->GetDlgItem(kSsidField)->setFocus(Qt::TabFocusReason);
    std::vector<int> stops{kSsidField};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(ControlId(QApplication::focusWidget()));
    }
    EXPECT_EQ(stops, (std::vector<int>{kSsidField, kModeList, kChannelList, kBroadcastBox}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(page->Item<CHwBtn_ChkRadio>(kBroadcastBox)->GetCheck(), 0);
    EXPECT_EQ(page->GetDlgItem(kBroadcastBox)->accessibleName(), Text(host, lang::kWirelessCaptions[5]));
}

TEST(WirelessPage, WithoutAnSsidValueEntryTheKeyTextIsTheNameAndPasses) {
    QTemporaryDir programDir;
    ASSERT_TRUE(QDir(programDir.path()).mkpath(u"Language"_qs));
    QFile file(programDir.filePath(u"Language/English.ini"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[String]\nAuto=Auto\n");
    file.close();

    TestHost host;
    host.App().languageTable = CLanguageTable(programDir.path() + u'/');
    host.App().languageTable.SetFile(u"English.ini"_qs);
    auto page = OpenPage<CWirelessSettingDlg>(host);
    EXPECT_EQ(FieldText(*page, kSsidField), u"SSID Value"_qs);
    EXPECT_TRUE(page->PageCheck());
    EXPECT_EQ(host.App().wirelessParams.ssid, "SSID Value");
}

TEST(WirelessPage, CheckRefusesABadNameThenStoresTheChoicesForTheSaveAndTheResultPage) {
    TestHost host;
    auto page = OpenPage<CWirelessSettingDlg>(host);
    page->Item<QLineEdit>(kSsidField)->setText(u"caf\u00e9"_qs);  // typed with a dead key
    ShownBox box;
    AnswerNextBox(box);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(box.title, Text(host, lang::kWarningTitle));
    EXPECT_EQ(box.message, Text(host, lang::kSsidInvalid));
    EXPECT_TRUE(host.App().wirelessParams.ssid.empty());

    TypeInto(*page, kSsidField, u"home net_2-x"_qs);
    List(*page, kModeList)->setCurrentIndex(0);
    List(*page, kChannelList)->setCurrentIndex(11);
    QTest::mouseClick(page->GetDlgItem(kBroadcastBox), Qt::LeftButton);

    ASSERT_TRUE(page->PageCheck());
    const WirelessParams& stored = host.App().wirelessParams;
    EXPECT_EQ(stored.ssid, "home net_2-x");
    EXPECT_EQ(stored.wirelessMode, 0);
    EXPECT_EQ(stored.channel, 11);
    EXPECT_FALSE(stored.broadcastSsid);
    const WanStatus& status = host.App().wanStatus;
    EXPECT_EQ(status.extraText, "home net_2-x");
    EXPECT_EQ(status.extraValue1, 11);
    EXPECT_EQ(status.extraValue2, 0);
    EXPECT_FALSE(status.extraFlag);
}

// --- security page ---------------------------------------------------------

TEST(SecurityPage, StartsDisabledWithFirstItemsAndTheDefaultKeyTime) {
    for (int language : kLanguages) {
        TestHost host(language);
        auto page = OpenPage<CSecuritySettingDlg>(host);
        EXPECT_EQ(Items(*page, kSecurityList),
                  (QStringList{Text(host, lang::kDisable), Text(host, lang::kWep), Text(host, lang::kWpa),
                               Text(host, lang::kWpa2)}));
        EXPECT_EQ(Items(*page, kAuthList), (QStringList{Text(host, lang::kOpen), Text(host, lang::kShare)}));
        EXPECT_EQ(Items(*page, kKeyTypeList),
                  (QStringList{Text(host, lang::kAscii), Text(host, lang::kHex)}));
        EXPECT_EQ(Items(*page, kTransmitKeyList).size(), 4);
        EXPECT_EQ(Items(*page, kTransmitKeyList).last(), Text(host, lang::kKey4));
        EXPECT_EQ(Items(*page, kWpaTypeList), (QStringList{Text(host, lang::kTkip), Text(host, lang::kAes)}));
        for (int id : {kSecurityList, kAuthList, kKeyTypeList, kTransmitKeyList, kWpaTypeList}) {
            EXPECT_EQ(List(*page, id)->currentIndex(), 0) << id;
        }
        EXPECT_EQ(FieldText(*page, kKeyTimeField), u"3600"_qs);
        EXPECT_TRUE(FieldText(*page, kWepKeyField).isEmpty());
        EXPECT_TRUE(FieldText(*page, kPassphraseField).isEmpty());
    }
}

TEST(SecurityPage, EachModeShowsOnlyItsRows) {
    const std::set<int> always{1174, 1171, 1131, kSecurityList};
    const std::set<int> wep{kWepNote,         1132, kAuthList,   1133, kKeyTypeList, 1135,
                            kTransmitKeyList, 1134, kWepKeyField};
    const std::set<int> wpa{kWpaTypeLabel, kWpaTypeList, kWpaKeyLabel,  kPassphraseField,
                            1137,          1143,         kKeyTimeField, 1138};
    const std::vector<std::set<int>> shownByMode{{kSecurityNote}, wep, wpa, wpa};
    TestHost host;
    auto page = OpenPage<CSecuritySettingDlg>(host);
    // The page starts as mode 0 shows it; then each mode, and back to 0.
    for (int mode : {-1, 1, 2, 3, 0}) {
        if (mode >= 0) List(*page, kSecurityList)->setCurrentIndex(mode);
        const std::set<int>& shown = shownByMode[static_cast<std::size_t>(std::max(mode, 0))];
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const int id = ControlId(child);
            EXPECT_EQ(child->isVisible(), always.count(id) + shown.count(id) > 0)
                << "mode " << mode << " id " << id;
        }
    }
}

TEST(SecurityPage, SwitchingWpaToWpa2ChangesOnlyTheTwoLabels) {
    TestHost host;
    auto page = OpenPage<CSecuritySettingDlg>(host);
    List(*page, kSecurityList)->setCurrentIndex(2);
    EXPECT_EQ(FieldText(*page, kWpaTypeLabel), Text(host, lang::kWpaKeyMode));
    EXPECT_EQ(FieldText(*page, kWpaKeyLabel), Text(host, lang::kWpaKey));
    TypeInto(*page, kPassphraseField, u"passphrase8"_qs);
    TypeInto(*page, kKeyTimeField, u"120"_qs);
    List(*page, kWpaTypeList)->setCurrentIndex(1);

    List(*page, kSecurityList)->setCurrentIndex(3);
    EXPECT_EQ(FieldText(*page, kWpaTypeLabel), Text(host, lang::kWpa2KeyMode));
    EXPECT_EQ(FieldText(*page, kWpaKeyLabel), Text(host, lang::kWpa2Key));
    // Away to WEP and back: the entries are still there.
    List(*page, kSecurityList)->setCurrentIndex(1);
    List(*page, kSecurityList)->setCurrentIndex(3);
    EXPECT_EQ(FieldText(*page, kPassphraseField), u"passphrase8"_qs);
    EXPECT_EQ(FieldText(*page, kKeyTimeField), u"120"_qs);
    EXPECT_EQ(List(*page, kWpaTypeList)->currentIndex(), 1);
}

TEST(SecurityPage, ChecksStoreTheModesValuesAndTheResultPagesKey) {
    TestHost host;
    auto page = OpenPage<CSecuritySettingDlg>(host);
    SecurityParams& stored = host.App().securityParams;
    WanStatus& status = host.App().wanStatus;

    List(*page, kSecurityList)->setCurrentIndex(1);
    List(*page, kAuthList)->setCurrentIndex(1);
    List(*page, kKeyTypeList)->setCurrentIndex(1);
    List(*page, kTransmitKeyList)->setCurrentIndex(2);
    TypeInto(*page, kWepKeyField, u"0123456789"_qs);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(stored.mode, 1);
    EXPECT_EQ(stored.wepAuth, 1);
    EXPECT_EQ(stored.wepKeyFormat, 1);
    EXPECT_EQ(stored.wepKeyIndex, 2);
    EXPECT_EQ(stored.wepKey, "0123456789");
    EXPECT_EQ(stored.spare1, 10);
    EXPECT_EQ(status.extraValue3, 1);
    EXPECT_EQ(status.extraText2, "0123456789");

    List(*page, kSecurityList)->setCurrentIndex(3);
    List(*page, kWpaTypeList)->setCurrentIndex(1);
    TypeInto(*page, kPassphraseField, u"Passphrase99"_qs);
    TypeInto(*page, kKeyTimeField, u"600"_qs);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(stored.mode, 3);
    EXPECT_EQ(stored.wpaCipher, 1);
    EXPECT_EQ(stored.passphrase, "Passphrase99");
    EXPECT_EQ(stored.spare2, 12);
    EXPECT_EQ(stored.keyRenewalInterval, 600);
    EXPECT_EQ(status.extraText2, "Passphrase99");

    // Disabled: the mode only; the result page keeps the key it had.
    List(*page, kSecurityList)->setCurrentIndex(0);
    TypeInto(*page, kWepKeyField, u"zzzzz"_qs);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(stored.mode, 0);
    EXPECT_EQ(stored.wepKey, "0123456789");
    EXPECT_EQ(status.extraValue3, 0);
    EXPECT_EQ(status.extraText2, "Passphrase99");
}

TEST(SecurityPage, KeyTimeTakesDigitsOnlyAndAnyLengthSafely) {
    TestHost host;
    auto page = OpenPage<CSecuritySettingDlg>(host);
    List(*page, kSecurityList)->setCurrentIndex(2);
    TypeInto(*page, kPassphraseField, u"abcdefgh"_qs);

    TypeInto(*page, kKeyTimeField, u"6x0-0s"_qs);
    EXPECT_EQ(FieldText(*page, kKeyTimeField), u"600"_qs);

    // Far more digits than the ten characters the time was once read into.
    TypeInto(*page, kKeyTimeField, u"0000000000000000000000600"_qs);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(host.App().securityParams.keyRenewalInterval, 600);

    TypeInto(*page, kKeyTimeField, QString(300, u'9'));
    TypeInto(*page, kPassphraseField, u"newpassphrase"_qs);
    ShownBox box;
    AnswerNextBox(box);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(box.message, Text(host, lang::kKeyTimeInvalid));
    // The pass-phrase was stored before the time was looked at.
    EXPECT_EQ(host.App().securityParams.passphrase, "newpassphrase");
    EXPECT_EQ(host.App().securityParams.keyRenewalInterval, 600);
}

// --- MAC clone page ----------------------------------------------------------

TEST(MacClonePage, CloneAndRestoreFillTheFieldAndTheAddressToApplyOnceTheyAreKnown) {
    TestHost host;
    MacInfo& mac = host.App().macInfo;
    auto page = OpenPage<CMacCloneDlg>(host);
    // Nothing read from the router: Clone leaves the field empty, Next refuses it.
    QTest::mouseClick(page->GetDlgItem(kCloneButton), Qt::LeftButton);
    EXPECT_TRUE(FieldText(*page, kMacField).isEmpty());
    ShownBox box;
    AnswerNextBox(box);
    EXPECT_FALSE(page->PageCheck());
    EXPECT_EQ(box.message, Text(host, lang::kMacAddressInvalid));

    mac = {"00:00:5E:00:53:2A", "00:00:5E:00:53:2A", "00:00:5E:00:53:C1", "00:00:5E:00:53:2A", ""};
    page->hide();
    page->show();
    EXPECT_EQ(FieldText(*page, kMacField), u"00:00:5E:00:53:2A"_qs);

    QTest::mouseClick(page->GetDlgItem(kCloneButton), Qt::LeftButton);
    EXPECT_EQ(FieldText(*page, kMacField), u"00:00:5E:00:53:C1"_qs);
    EXPECT_EQ(mac.applyMac, "00:00:5E:00:53:C1");

    page->GetDlgItem(kRestoreButton)->setFocus();
    QTest::keyClick(page->GetDlgItem(kRestoreButton), Qt::Key_Return);
    EXPECT_EQ(FieldText(*page, kMacField), u"00:00:5E:00:53:2A"_qs);
    EXPECT_EQ(mac.applyMac, "00:00:5E:00:53:2A");
    EXPECT_EQ(mac.factoryMac, "00:00:5E:00:53:2A");
    EXPECT_EQ(mac.cloneMac, "00:00:5E:00:53:C1");
}

TEST(MacClonePage, AnEntryNotAcceptedByNextIsReplacedWhenThePageHidesOrShows) {
    TestHost host;
    host.App().macInfo.applyMac = "00:00:5E:00:53:2A";
    auto page = OpenPage<CMacCloneDlg>(host);
    TypeInto(*page, kMacField, u"00:1a:2b:3c:4d:5e"_qs);
    page->hide();
    EXPECT_EQ(FieldText(*page, kMacField), u"00:00:5E:00:53:2A"_qs);

    host.App().macInfo.applyMac = "00:00:5E:00:53:C1";  // e.g. a new link task
    page->show();
    EXPECT_EQ(FieldText(*page, kMacField), u"00:00:5E:00:53:C1"_qs);

    TypeInto(*page, kMacField, u"00:1a:2b:3c:4d:5e"_qs);
    ASSERT_TRUE(page->PageCheck());
    EXPECT_EQ(host.App().macInfo.applyMac, "00:1a:2b:3c:4d:5e");
    page->hide();
    EXPECT_EQ(FieldText(*page, kMacField), u"00:1a:2b:3c:4d:5e"_qs);
}

// --- result page (no control object: nothing is read) -----------------------

TEST(ResultPage, ShowsTheStoredSettingsInTheLanguageAndKeepsFieldsForUnknownValues) {
    for (int language : kLanguages) {
        TestHost host(language);
        WanStatus& status = host.App().wanStatus;
        status = {
            "DHCP", "203.0.113.7", "255.255.255.0", "203.0.113.1", "00:00:5E:00:53:2A", "home", 0, 1, true,
            3,      "Passphrase99"};
        auto page = OpenPage<CResultDlg>(host);  // shown: the fields are filled
        EXPECT_EQ(FieldText(*page, kResultLinkMode), u"DHCP"_qs);
        EXPECT_EQ(FieldText(*page, kResultIp), u"203.0.113.7"_qs);
        EXPECT_EQ(FieldText(*page, kResultSsid), u"home"_qs);
        EXPECT_EQ(FieldText(*page, kResultChannel), Text(host, lang::kAuto)) << language;
        EXPECT_EQ(FieldText(*page, kResultMode), Text(host, lang::kModeBgnResult));
        EXPECT_EQ(FieldText(*page, kResultBroadcast), Text(host, lang::kEnable));
        EXPECT_EQ(FieldText(*page, kResultEncryption), Text(host, lang::kWpa2));
        EXPECT_EQ(FieldText(*page, kResultKey), u"Passphrase99"_qs);
        EXPECT_FALSE(page->GetDlgItem(kResultRouterFound)->isVisible())
            << "the router is where setting.ini says";

        status.extraValue1 = 13;
        status.extraValue2 = 2;  // out of range: left as it was
        status.extraFlag = false;
        status.extraValue3 = 4;  // out of range: left as it was
        page->FillResultFields();
        EXPECT_EQ(FieldText(*page, kResultChannel), u"13"_qs);
        EXPECT_EQ(FieldText(*page, kResultMode), Text(host, lang::kModeBgnResult));
        EXPECT_EQ(FieldText(*page, kResultBroadcast), Text(host, lang::kDisable));
        EXPECT_EQ(FieldText(*page, kResultEncryption), Text(host, lang::kWpa2));
        EXPECT_TRUE(page->IsPolling());

        host.App().routerInfo.address = "127.0.0.9";
        host.App().configuredRouterAddress = "127.0.0.1";
        page->FillResultFields();
        const QString found = FieldText(*page, kResultRouterFound);
        EXPECT_TRUE(page->GetDlgItem(kResultRouterFound)->isVisible());
        EXPECT_GE(found.indexOf(u"127.0.0.9"_qs), 0) << found.toStdString();
        EXPECT_LT(found.indexOf(u"127.0.0.9"_qs), found.indexOf(u"127.0.0.1"_qs)) << found.toStdString();
    }
}

TEST(ResultPage, WithoutAControlObjectRefreshReadsNothing) {
    TestHost host;
    auto page = OpenPage<CResultDlg>(host);
    QTest::mouseClick(page->GetDlgItem(1146), Qt::LeftButton);
    EXPECT_FALSE(page->IsReading());
    EXPECT_NE(page->cursor().shape(), Qt::WaitCursor);
}

// The main window's end, whichever way it comes, leaves the result page
// quiet: Finish stops its polling, and a window destroyed while it shows
// the page goes without the page reaching back into it.
TEST(ResultPage, StaysQuietWhenItsWindowEnds) {
    WidgetTestApp();
    TestHost host;
    for (const bool finish : {true, false}) {
        CQelvaneDlg window(host.App());
        ASSERT_TRUE(window.Create());
        window.show();
        window.ShowPage(kPageResult);
        auto* page = qobject_cast<CResultDlg*>(window.Page(kPageResult));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(page->IsPolling());
        if (finish) {
            window.OnNext();
            EXPECT_FALSE(window.isVisible());
            EXPECT_FALSE(page->IsPolling());
        }
    }
}
