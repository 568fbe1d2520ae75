#include "page_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHeaders = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n";

struct CaptureCase {
    const char* name;
    const char* pattern;
    std::string page;
    std::string value;
};

class FirstCapture : public testing::TestWithParam<CaptureCase> {};

TEST_P(FirstCapture, TakesTheValueAtTheLastFittingOccurrence) {
    EXPECT_EQ(ExtractFirstCapture(kHeaders + GetParam().page, GetParam().pattern), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FirstCapture,
    testing::Values(
        CaptureCase{"LastOccurrenceWins", kWanIpPattern, "wanIP = \"10.0.0.1\";\nwanIP = \"10.0.0.2\";\n",
                    "10.0.0.2"},
        CaptureCase{"EmptyValue", kWanIpPattern, "var wanIP = \"\";\n", ""},
        CaptureCase{"AbsentKey", kWanIpPattern, "var lanIP = \"192.168.0.1\";\n", ""},
        // 16 characters do not fit {0,15}: the earlier fitting value is taken.
        CaptureCase{"TooLongValueSkipped", kWanIpPattern,
                    "wanIP = \"10.0.0.1\";\nwanIP = \"0123456789abcdef\";\n", "10.0.0.1"},
        // The bounded group runs on to the last quote-semicolon within reach.
        CaptureCase{"GroupReachesLaterQuoteSemicolon", kGatewayPattern, "gateWay=\"a\";b\";\n", "a\";b"},
        CaptureCase{"NoBlankAroundEquals", kSubnetMaskPattern,
                    "subMask = \"255.0.0.0\";subMask=\"255.255.0.0\";x", "255.255.0.0"},
        CaptureCase{"UpperCaseKey", kCloneMacPattern, "CLN_MAC = \"00:00:5E:00:53:C1\";",
                    "00:00:5E:00:53:C1"},
        CaptureCase{"MacOf16CharactersSkipped", kDefaultMacPattern,
                    "def_MAC = \"00:00:5E:00:53:01\";def_MAC = \"00:00:5E:00:53:1\";", "00:00:5E:00:53:01"},
        CaptureCase{"MacOf18CharactersSkipped", kFactoryMacPattern, "fac_MAC = \"00:00:5E:00:53:01A\";", ""},
        CaptureCase{"WanMacNeedsSemicolon", kWanMacPattern, "wan_mac=\"00:00:5E:00:53:2A\"\n", ""},
        CaptureCase{"CableDslTakesUpToThreeCharacters", kCableDslPattern, "cableDSL=\"2\";", "2"},
        CaptureCase{"CableDslFourCharactersSkipped", kCableDslPattern, "cableDSL=\"1234\";", ""},
        // The cableDSL pattern needs one character after the closing quote.
        CaptureCase{"CableDslAtTheVeryEnd", kCableDslPattern, "cableDSL=\"2\"", ""},
        CaptureCase{"ValueSpansLineEnds", kConnectionTypePattern, "conTypeIdx=\"\n3\";", "\n3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FirstCapture, UnusablePatternReadsAsNotFound) {
    EXPECT_EQ(ExtractFirstCapture("abc", "(unclosed"), "");
}

// A large page must not trip Boost's match-complexity limit, whether the key
// is present or not.
TEST(FirstCapture, MegabytePageIsReadCompletely) {
    std::string page;
    while (page.size() < (1u << 20)) page += "var note = \"filler text\"; <td>value</td>\n";
    EXPECT_EQ(ExtractFirstCapture(page, kWanIpPattern), "");
    page.insert(page.size() / 3, "wanIP = \"198.51.100.7\";\n");
    EXPECT_EQ(ExtractFirstCapture(page, kWanIpPattern), "198.51.100.7");
    page.insert(100, "cableDSL=\"2\";");
    EXPECT_EQ(ExtractFirstCapture(page, kCableDslPattern), "2");
}

TEST(ConnectionTypeForIndex, MapsTheRouterIndexAndRejectsOthers) {
    const std::pair<const char*, const char*> known[] = {{"1", "Static IP"}, {"2", "Dynamic IP"},
                                                         {"3", "PPPoE"},     {"4", "L2TP"},
                                                         {"5", "PPTP"},      {"6", "802.1x"}};
    for (const auto& [index, name] : known) EXPECT_EQ(ConnectionTypeForIndex(index), name);
    for (const char* index : {"0", "7", "", "03", "3 "}) EXPECT_FALSE(ConnectionTypeForIndex(index)) << index;
}

}  // namespace
