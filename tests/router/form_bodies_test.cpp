#include "form_bodies.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// ---- WAN ----

const StaticIpParams kStaticIp{"198.51.100.7", "255.255.255.0", "198.51.100.1",
                               "192.0.2.53",   "192.0.2.54",    "x"};
const PppoeParams kPppoe{"isp&user", "p@ss", "x"};

TunnelParams Tunnel(int addressMode) {
    return {"vpn.example", "tun", "tpw", addressMode, "203.0.113.9", "255.255.255.128", "203.0.113.1"};
}

struct WanCase {
    const char* name;
    int wanType;
    int addressMode;
    std::string body;
};

class WanSettingsBody : public testing::TestWithParam<WanCase> {};

TEST_P(WanSettingsBody, IsTheRouterFormByteForByte) {
    const auto& param = GetParam();
    EXPECT_EQ(BuildWanSettingsBody(param.wanType, kStaticIp, kPppoe, Tunnel(param.addressMode)), param.body);
}

const std::string kStaticBody =
    "GO=wizard.asp&WANT=1&WANIP=198.51.100.7&WANMSK=255.255.255.0&WANGW=198.51.100.1&PUN=&PPW=&DNS1=192.0.2."
    "53"
    "&DNS2=192.0.2.54&l2tpIP=&l2tpPUN=&l2tpPPW=&l2tpAdrMode=&l2tpWANIP=&l2tpWANMSK=&l2tpWANGW=&pptpIP=&"
    "pptpPUN="
    "&pptpPPW=&pptpAdrMode=&pptpWANIP=&pptpWANMSK=&pptpWANGW=&x1AdrMode=&x1_name=&x1_pwd=&rebootTag=";
const std::string kDynamicBody =
    "GO=wizard.asp&WANT=2&WANIP=&WANMSK=&WANGW=&PUN=&PPW=&DNS1=&DNS2=&l2tpIP=&l2tpPUN=&l2tpPPW=&l2tpAdrMode="
    "&l2tpWANIP=&l2tpWANMSK=&l2tpWANGW=&pptpIP=&pptpPUN=&pptpPPW=&pptpAdrMode=&pptpWANIP=&pptpWANMSK=&"
    "pptpWANGW="
    "&x1AdrMode=&x1_name=&x1_pwd=&rebootTag=";
const std::string kPppoeBody =
    "GO=wizard.asp&WANT=3&WANIP=&WANMSK=&WANGW=&PUN=isp&user&PPW=p@ss&DNS1=&DNS2=&l2tpIP=&l2tpPUN=&l2tpPPW="
    "&l2tpAdrMode=&l2tpWANIP=&l2tpWANMSK=&l2tpWANGW=&pptpIP=&pptpPUN=&pptpPPW=&pptpAdrMode=&pptpWANIP="
    "&pptpWANMSK=&pptpWANGW=&x1AdrMode=&x1_name=&x1_pwd=&rebootTag=";
const std::string kPptpDynamicBody =
    "GO=wizard.asp&WANT=5&pptpIP=vpn.example&pptpPUN=tun&pptpPPW=tpw&pptpAdrMode=2";
const std::string kPptpStaticBody =
    "GO=wizard.asp&WANT=5&pptpIP=vpn.example&pptpPUN=tun&pptpPPW=tpw&pptpAdrMode=1&pptpWANIP=203.0.113.9"
    "&pptpWANMSK=255.255.255.128&pptpWANGW=203.0.113.1";
const std::string kL2tpDynamicBody =
    "GO=wizard.asp&WANT=4&WANIP=&WANMSK=&WANGW=&PUN=&PPW=&DNS1=&DNS2=&l2tpIP=vpn.example&l2tpPUN=tun&l2tpPPW="
    "tpw"
    "&l2tpAdrMode=2";
const std::string kL2tpStaticBody =
    "GO=wizard.asp&WANT=4&WANIP=&WANMSK=&WANGW=&PUN=&PPW=&DNS1=&DNS2=&l2tpIP=vpn.example&l2tpPUN=tun&l2tpPPW="
    "tpw"
    "&l2tpAdrMode=1&l2tpWANIP=203.0.113.9&l2tpWANMSK=255.255.255.128&l2tpWANGW=203.0.113.1&pptpIP=&pptpPUN="
    "&pptpPPW=&pptpAdrMode=&pptpWANIP=&pptpWANMSK=&pptpWANGW=&rebootTag=";

INSTANTIATE_TEST_SUITE_P(ByType, WanSettingsBody,
                         testing::Values(WanCase{"Static", 1, 0, kStaticBody},
                                         WanCase{"Dynamic", 2, 1, kDynamicBody},
                                         WanCase{"Pppoe", 3, 1, kPppoeBody},
                                         WanCase{"PptpDynamic", 4, 1, kPptpDynamicBody},
                                         WanCase{"PptpStaticMode0", 4, 0, kPptpStaticBody},
                                         WanCase{"PptpStaticMode2", 4, 2, kPptpStaticBody},
                                         WanCase{"L2tpDynamic", 5, 1, kL2tpDynamicBody},
                                         WanCase{"L2tpStaticMode0", 5, 0, kL2tpStaticBody},
                                         WanCase{"L2tpStaticMode2", 5, 2, kL2tpStaticBody},
                                         // An unknown type sends nothing, so the exchange becomes a GET.
                                         WanCase{"UnknownZero", 0, 1, ""}, WanCase{"UnknownSix", 6, 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Wireless ----

struct WirelessCase {
    const char* name;
    WirelessParams params;
    std::string body;
};

class WirelessBasicBody : public testing::TestWithParam<WirelessCase> {};

TEST_P(WirelessBasicBody, IsTheRouterFormByteForByte) {
    EXPECT_EQ(BuildWirelessBasicBody(GetParam().params), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    ByMode, WirelessBasicBody,
    testing::Values(
        WirelessCase{"MixedNAutomaticChannel",
                     {"Home Net&1", 0, 1, true},
                     "enablewireless=1&enablewirelessEx=1&wirelessmode=9&bssid_num=1&ssid=Home Net&1&mssid_1="
                     "&broadcastssid=1&apisolated=0&mbssidapisolated=0&sz11gChannel=0&n_mode=0&n_bandwidth=1"
                     "&n_gi=1&n_mcs=33&n_rdg=1&n_amsdu=0"},
        WirelessCase{"MixedNChannel3",
                     {"Home Net&1", 3, 1, false},
                     "enablewireless=1&enablewirelessEx=1&wirelessmode=9&bssid_num=1&ssid=Home Net&1&mssid_1="
                     "&broadcastssid=0&apisolated=0&mbssidapisolated=0&sz11gChannel=3&n_mode=0&n_bandwidth=1"
                     "&n_gi=1&n_mcs=33&n_rdg=1&n_extcha=7&n_amsdu=0"},
        WirelessCase{"MixedGChannel6",
                     {"", 6, 0, false},
                     "enablewireless=1&enablewirelessEx=1&wirelessmode=0&bssid_num=1&ssid=&mssid_1="
                     "&broadcastssid=0&apisolated=0&mbssidapisolated=0&sz11gChannel=6&n_mode=0&n_bandwidth=1"
                     "&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0"},
        WirelessCase{"ModeTwoIsMixedGEvenOnAutomatic",
                     {"net", 0, 2, true},
                     "enablewireless=1&enablewirelessEx=1&wirelessmode=0&bssid_num=1&ssid=net&mssid_1="
                     "&broadcastssid=1&apisolated=0&mbssidapisolated=0&sz11gChannel=0&n_mode=0&n_bandwidth=1"
                     "&n_gi=1&n_rdg=1&n_extcha=1&n_amsdu=0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WirelessBasicBody, ExtensionChannelIsFourAboveForChannelsOneToFourElseFourBelow) {
    const std::pair<int, int> channels[] = {{1, 5}, {3, 7}, {4, 8}, {5, 1}, {6, 2}, {13, 9}, {14, 10}};
    for (const auto& [channel, extension] : channels) {
        const std::string body = BuildWirelessBasicBody({"n", channel, 1, true});
        EXPECT_NE(body.find("&sz11gChannel=" + std::to_string(channel) + "&"), std::string::npos) << channel;
        EXPECT_NE(body.find("&n_extcha=" + std::to_string(extension) + "&"), std::string::npos) << channel;
    }
}

// ---- Security ----

const std::string kRadius =
    "&PreAuthentication=0&ieee8021x_wep=0&RadiusServerIP=&RadiusServerPort=1812&RadiusServerSecret="
    "&RadiusServerSessionTimeout=0";

SecurityParams Security(int mode) {
    SecurityParams params;
    params.mode = mode;
    params.wepKey = "ignored";
    params.passphrase = "pass phrase&x";
    params.keyRenewalInterval = 86400;
    return params;
}

TEST(SecurityBody, NoneAndUnknownModesSwitchSecurityOffDifferingOnlyInTheDefaultKey) {
    const std::string keys =
        "&wep_key_1=60718&WEP1Select=1&wep_key_2=60718&WEP2Select=1&wep_key_3=60718&WEP3Select=1"
        "&wep_key_4=60718&WEP4Select=1";
    const std::string head = "ssidIndex=0&security_mode=Disable&security_shared_mode=WEP&wep_default_key=";
    EXPECT_EQ(BuildSecurityBody(Security(0)), head + "2" + keys + kRadius);
    for (int mode : {4, 7, -1})
        EXPECT_EQ(BuildSecurityBody(Security(mode)), head + "1" + keys + kRadius) << mode;
}

TEST(SecurityBody, WpaPskCarriesEmptyWepKeysCipherPassphraseAndRenewal) {
    EXPECT_EQ(
        BuildSecurityBody(Security(2)),
        "ssidIndex=0&security_mode=WPAPSK&security_shared_mode=WEP&wep_default_key=1&wep_key_1=&WEP1Select=1"
        "&wep_key_2=&WEP2Select=1&wep_key_3=&WEP3Select=1&wep_key_4=&WEP4Select=1&cipher=0"
        "&passphrase=pass phrase&x&keyRenewalInterval=86400" +
            kRadius);
}

TEST(SecurityBody, Wpa2PskCarriesNoWepKeyFieldsAndAnyNonZeroCipherIsAes) {
    SecurityParams params = Security(3);
    params.wpaCipher = 5;
    params.keyRenewalInterval = 3600;
    EXPECT_EQ(
        BuildSecurityBody(params),
        "ssidIndex=0&security_mode=WPA2PSK&security_shared_mode=WEP&wep_default_key=1&WEP1Select=1"
        "&WEP2Select=1&WEP3Select=1&WEP4Select=1&cipher=1&passphrase=pass phrase&x&keyRenewalInterval=3600" +
            kRadius);
}

struct WepCase {
    int keyIndex;
    int keyFormat;
    std::string afterHead;  // with KEY standing for the key text
};

class WepSecurityBody : public testing::TestWithParam<std::tuple<WepCase, int>> {};

TEST_P(WepSecurityBody, SendsOnlyTheChosenKeyWithItsFormatSelect) {
    const auto& [wep, auth] = GetParam();
    SecurityParams params = Security(1);
    params.wepAuth = auth;
    params.wepKeyIndex = wep.keyIndex;
    params.wepKeyFormat = wep.keyFormat;
    params.wepKey = "KEY";
    const std::string head = std::string("ssidIndex=0&security_mode=") + (auth == 0 ? "OPEN" : "SHARED") +
                             "&security_shared_mode=WEP&wep_default_key=" + std::to_string(wep.keyIndex + 1);
    EXPECT_EQ(BuildSecurityBody(params), head + wep.afterHead);
}

INSTANTIATE_TEST_SUITE_P(
    KeyIndexFormatAndAuthentication, WepSecurityBody,
    testing::Combine(
        testing::Values(
            WepCase{0, 0, "&wep_key_1=KEY&WEP1Select=1&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
            WepCase{0, 1, "&wep_key_1=KEY&WEP1Select=0&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
            WepCase{1, 0, "&WEP1Select=1&wep_key_2=KEY&WEP2Select=1&WEP3Select=1&WEP4Select=1"},
            WepCase{1, 1, "&WEP1Select=1&wep_key_2=KEY&WEP2Select=0&WEP3Select=1&WEP4Select=1"},
            WepCase{2, 0, "&WEP1Select=1&WEP2Select=1&wep_key_3=KEY&WEP3Select=1&WEP4Select=1"},
            WepCase{2, 7, "&WEP1Select=1&WEP2Select=1&wep_key_3=KEY&WEP3Select=0&WEP4Select=1"},
            WepCase{3, 0, "&WEP1Select=1&WEP2Select=1&WEP3Select=1&wep_key_4=KEY&WEP4Select=1"},
            WepCase{3, 1, "&wep_key_1=&wep_key_2=&WEP2Select=1&WEP3Select=1&wep_key_4=KEY&WEP4Select=0"},
            // An index outside 0-3 sends the head alone.
            WepCase{4, 0, ""}, WepCase{-1, 1, ""}),
        testing::Values(0, 1, 9)));

TEST(MacCloneBody, SendsTheAddressUnencodedEvenWhenEmpty) {
    EXPECT_EQ(BuildMacCloneBody("00:00:5E:00:53:C1"),
              "GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=00:00:5E:00:53:C1");
    EXPECT_EQ(BuildMacCloneBody(""), "GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=");
}

}  // namespace
