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
        // The bounded group may reach a later quote-semicolon; the value still
        // ends at its own closing quote.
        CaptureCase{"ValueEndsAtItsFirstQuote", kGatewayPattern, "gateWay=\"a\";b\";\n", "a"},
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

// Every key the library reads, as the router writes it ("var key="value";"
// lines in page order), with the key's value empty, as long as its pattern
// allows, or missing; the neighbours empty (a link that is down) or full.
// An empty value must not run on into the next line's text.
TEST(FirstCapture, EveryStatusKeyEmptyFullOrAbsent) {
    struct Key {
        const char* name;
        const char* equals;
        const char* pattern;
        std::string full;
    };
    const Key keys[] = {
        {"cableDSL", "=", kCableDslPattern, "123"},
        {"conTypeIdx", "=", kConnectionTypePattern, "123"},
        {"wanIP", " = ", kWanIpPattern, "255.255.255.255"},
        {"subMask", "=", kSubnetMaskPattern, "255.255.255.255"},
        {"gateWay", "=", kGatewayPattern, "255.255.255.255"},
        {"dns1", "=", nullptr, "255.255.255.255"},
        {"dns2", "=", nullptr, "255.255.255.255"},
        {"wan_mac", "=", kWanMacPattern, "00:00:5E:00:53:2A"},
        {"lanAddr", "=", nullptr, "127.0.0.1"},
        {"fac_MAC", " = ", kFactoryMacPattern, "00:00:5E:00:53:2A"},
        {"def_MAC", " = ", kDefaultMacPattern, "00:00:5E:00:53:2B"},
        {"cln_MAC", " = ", kCloneMacPattern, "00:00:5E:00:53:C1"},
    };
    enum class Value { Empty, Full, Absent };
    for (const Key& tested : keys) {
        if (tested.pattern == nullptr) continue;
        for (const bool fullNeighbours : {false, true}) {
            for (const Value value : {Value::Empty, Value::Full, Value::Absent}) {
                std::string page = kHeaders + "<script type=\"text/javascript\">\n";
                for (const Key& key : keys) {
                    const bool isTested = &key == &tested;
                    if (isTested && value == Value::Absent) continue;
                    const bool full = isTested ? value == Value::Full : fullNeighbours;
                    page +=
                        std::string("var ") + key.name + key.equals + "\"" + (full ? key.full : "") + "\";\n";
                }
                page += "</script>\n";
                SCOPED_TRACE(page);
                EXPECT_EQ(ExtractFirstCapture(page, tested.pattern), value == Value::Full ? tested.full : "");
            }
        }
    }
}

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
