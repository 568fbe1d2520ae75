#include "validation.h"

#include "address_literal.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kLan = "192.168.0.1";
const QString kSameSegment = "The WAN IP and LAN IP can not be the same segament";

TEST(StaticIpCheck, ReportsTheFirstFailingRuleAndWritesOnlyOnSuccess) {
    const std::pair<StaticIpPageValues, QString> failures[] = {
        {{0, 0, 0, 0, 0}, "IP address invalid"},
        {{Ip("10.0.0.2"), 0, 0, 0, 0}, "Subnet mask invalid"},
        {{Ip("10.0.0.2"), Ip("255.255.255.0"), 0, 0, 0}, "Default gateway invalid"},
        {{Ip("10.0.0.2"), Ip("255.255.255.0"), Ip("10.0.0.1"), 0, 0}, "Primary DNS server invalid"},
        {{Ip("192.168.0.100"), Ip("255.255.255.0"), Ip("10.0.0.1"), Ip("8.8.8.8"), 0}, kSameSegment},
    };
    StaticIpParams record{"old", "old", "old", "old", "old", "spare"};
    for (const auto& [page, key] : failures) {
        EXPECT_EQ(CheckStaticIpPage(page, kLan, record), key);
        EXPECT_EQ(record.ip, "old");
    }
    // The gateway may lie outside the subnet and the secondary DNS is never checked.
    EXPECT_EQ(CheckStaticIpPage({Ip("10.0.0.2"), Ip("255.255.255.0"), Ip("10.9.9.9"), Ip("8.8.8.8"), 0}, kLan,
                                record),
              std::nullopt);
    EXPECT_EQ(record.ip + ' ' + record.mask + ' ' + record.gateway + ' ' + record.dns1 + ' ' + record.dns2,
              "10.0.0.2 255.255.255.0 10.9.9.9 8.8.8.8 0.0.0.0");
    EXPECT_EQ(record.spare, "spare");
}

TEST(PppoeCheck, RequiresAccountThenPasswordAndStoresEscapedValues) {
    PppoeParams record{"old", "old", "spare"};
    PppoePageValues page{"", ""};
    EXPECT_EQ(CheckPppoePage(page, record), QString("Account Empty"));
    page.account = "me&you";
    EXPECT_EQ(CheckPppoePage(page, record), QString("Password Empty"));
    EXPECT_EQ(record.user, "old");
    EXPECT_EQ(page.account, "me&you");

    page.password = "secret";
    EXPECT_EQ(CheckPppoePage(page, record), std::nullopt);
    EXPECT_EQ(page.account, "me%26you");
    EXPECT_EQ(record.user, "me%26you");
    EXPECT_EQ(record.password, "secret");
    EXPECT_EQ(record.spare, "spare");
}

// The escaping would send an entry with such a character as nothing at all
// (PUN=), and the router would then call the account wrong: it is refused.
TEST(PppoeCheck, RefusesWhatCouldNotBeSentAsTyped) {
    const std::tuple<QString, QString, QString> cases[] = {
        {QString::fromUtf8("josé"), "pw", "Account Characters"},
        {QString::fromUtf8("用户"), "", "Account Characters"},
        {"user", QString::fromUtf8("pässword"), "Password Characters"},
        {"user", "line\nbreak", "Password Characters"},
        {"tab\there", "pw", "Account Characters"},
    };
    for (const auto& [account, password, key] : cases) {
        PppoeParams record{"old", "old", ""};
        PppoePageValues page{account, password};
        EXPECT_EQ(CheckPppoePage(page, record), key) << account.toStdString();
        EXPECT_EQ(record.user + record.password, "oldold");
        EXPECT_EQ(page.account, account);
    }
    PppoeParams record;
    PppoePageValues page{" ~all printable~ ", "x"};
    EXPECT_EQ(CheckPppoePage(page, record), std::nullopt);
    EXPECT_EQ(record.user, " %7eall printable%7e ");
}

TEST(TunnelCheck, StoresTheAddressModeFirstAndAppliesTheRulesInOrder) {
    const TunnelPageValues good{Ip("10.1.1.1"),     "user",         "pass",
                                kAddressModeStatic, Ip("10.0.0.2"), Ip("255.255.255.0"),
                                Ip("10.0.0.1")};
    const std::pair<void (*)(TunnelPageValues&), QString> failures[] = {
        {[](TunnelPageValues& p) { p.server = 0, p.account.clear(); }, "Server IP address invalid"},
        {[](TunnelPageValues& p) { p.account.clear(), p.password.clear(); }, "User Name Empty"},
        {[](TunnelPageValues& p) { p.account = QString::fromUtf8("usér"), p.password.clear(); },
         "User Name Characters"},
        {[](TunnelPageValues& p) { p.password.clear(), p.ip = 0; }, "Password Empty"},
        {[](TunnelPageValues& p) { p.password = QString::fromUtf8("密码"), p.ip = 0; },
         "Password Characters"},
        {[](TunnelPageValues& p) { p.ip = 0, p.mask = 0; }, "IP address invalid"},
        {[](TunnelPageValues& p) { p.mask = Ip("255.0.255.0"), p.gateway = 0; }, "Subnet mask invalid"},
        {[](TunnelPageValues& p) { p.gateway = Ip("10.0.0.255"); }, "Default gateway invalid"},
        {[](TunnelPageValues& p) { p.ip = Ip("192.168.0.9"), p.mask = Ip("255.255.0.0"); }, kSameSegment},
    };
    for (const auto& [spoil, key] : failures) {
        TunnelPageValues page = good;
        spoil(page);
        TunnelParams record{"old", "old", "old", 7, "old", "old", "old"};
        EXPECT_EQ(CheckTunnelPage(page, kLan, record), key);
        EXPECT_EQ(record.addressMode, kAddressModeStatic);
        EXPECT_EQ(record.server + record.user, "oldold");
    }
    TunnelPageValues page = good;
    TunnelParams record;
    EXPECT_EQ(CheckTunnelPage(page, kLan, record), std::nullopt);
    EXPECT_EQ(record.server + ' ' + record.ip + ' ' + record.mask + ' ' + record.gateway,
              "10.1.1.1 10.0.0.2 255.255.255.0 10.0.0.1");
}

TEST(TunnelCheck, DynamicModeSkipsAndKeepsTheAddressFields) {
    TunnelPageValues page{Ip("10.1.1.1"), "a,b", "pw", kAddressModeDynamic, 0, 0, 0};
    TunnelParams record{"", "", "", 0, "1.1.1.1", "2.2.2.2", "3.3.3.3"};
    EXPECT_EQ(CheckTunnelPage(page, kLan, record), std::nullopt);
    EXPECT_EQ(record.addressMode, kAddressModeDynamic);
    EXPECT_EQ(record.user, "a%2cb");
    EXPECT_EQ(page.account, "a%2cb");
    EXPECT_EQ(record.ip + ' ' + record.mask + ' ' + record.gateway, "1.1.1.1 2.2.2.2 3.3.3.3");
}

TEST(MacAndWirelessChecks, StoreAsTypedAndFillTheResultPageFields) {
    MacInfo mac;
    mac.applyMac = "old";
    EXPECT_EQ(CheckMacClonePage({""}, mac), QString("Mac address invalid"));
    EXPECT_EQ(mac.applyMac, "old");
    EXPECT_EQ(CheckMacClonePage({"00:1a:2b:3c:4d:5e"}, mac), std::nullopt);
    EXPECT_EQ(mac.applyMac, "00:1a:2b:3c:4d:5e");

    WirelessParams wireless{"old", 5, 0, true};
    WanStatus status;
    EXPECT_EQ(CheckWirelessPage({"bad.name", 1, 6, true}, wireless, status), QString("SSID invaid"));
    EXPECT_EQ(wireless.ssid + status.extraText, "old");
    EXPECT_EQ(CheckWirelessPage({"Home Net", 0, 11, false}, wireless, status), std::nullopt);
    EXPECT_EQ(wireless.ssid, "Home Net");
    EXPECT_EQ(wireless.wirelessMode * 100 + wireless.channel, 11);
    EXPECT_FALSE(wireless.broadcastSsid);
    EXPECT_EQ(status.extraText, "Home Net");
    EXPECT_EQ(status.extraValue1 * 100 + status.extraValue2, 1100);  // channel, then mode
    EXPECT_FALSE(status.extraFlag);
}

class SecurityCheck : public ::testing::Test {
protected:
    SecurityCheck() {
        record_.passphrase = "old phrase";
        record_.wepKey = "old key";
        status_.extraText2 = "previous";
        status_.extraValue3 = 9;
    }
    SecurityParams record_;
    WanStatus status_;
};

TEST_F(SecurityCheck, DisabledStoresOnlyTheMode) {
    SecurityPageValues page;
    page.passphrase = "ignoredphrase";
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), std::nullopt);
    EXPECT_EQ(record_.passphrase, "old phrase");
    EXPECT_EQ(status_.extraValue3, kSecurityDisabled);
    EXPECT_EQ(status_.extraText2, "previous");
}

TEST_F(SecurityCheck, WepStoresItsSelectionsBeforeTheKeyCheck) {
    SecurityPageValues page{kSecurityWep, 1, 1, 3, "abcde", 0, "", ""};  // hex format, but an ASCII key
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), QString("WEP Key Invalid"));
    EXPECT_EQ(record_.mode * 1000 + record_.wepAuth * 100 + record_.wepKeyFormat * 10 + record_.wepKeyIndex,
              1113);
    EXPECT_EQ(record_.wepKey, "old key");
    EXPECT_EQ(status_.extraValue3, 9);

    page.wepKey = "0123456789";
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), std::nullopt);
    EXPECT_EQ(record_.wepKey, "0123456789");
    EXPECT_EQ(record_.spare1, 10);
    EXPECT_EQ(status_.extraText2, "0123456789");
    EXPECT_EQ(status_.extraValue3, kSecurityWep);
}

TEST_F(SecurityCheck, WpaKeepsTheNewPassphraseWhenOnlyTheKeyTimeFails) {
    SecurityPageValues page{kSecurityWpa2, 0, 0, 0, "", 1, "short", "3600"};
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), QString("WPA Key Invalid"));
    EXPECT_EQ(record_.wpaCipher, 1);
    EXPECT_EQ(record_.passphrase, "old phrase");

    page.passphrase = "longenough1";
    page.keyTime = "59";
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), QString("Key Time Invalid"));
    EXPECT_EQ(record_.passphrase, "longenough1");
    EXPECT_EQ(record_.spare2, 11);
    EXPECT_EQ(status_.extraText2, "previous");

    page.keyTime = "7200";
    EXPECT_EQ(CheckSecurityPage(page, record_, status_), std::nullopt);
    EXPECT_EQ(record_.keyRenewalInterval, 7200);
    EXPECT_EQ(status_.extraText2, "longenough1");
    EXPECT_EQ(status_.extraValue3, kSecurityWpa2);
}

}  // namespace
