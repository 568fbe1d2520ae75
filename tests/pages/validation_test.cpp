#include "validation.h"

#include "address_literal.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

template <typename Rule>
void ExpectRule(Rule rule, std::initializer_list<const char*> valid,
                std::initializer_list<const char*> invalid) {
    for (const char* text : valid) {
        EXPECT_TRUE(rule(text)) << text;
    }
    for (const char* text : invalid) {
        EXPECT_FALSE(rule(text)) << text;
    }
}

TEST(AddressRules, HostMaskAndSegmentBoundaries) {
    ExpectRule([](const char* t) { return IsValidIpAddress(Ip(t)); },
               {"1.0.0.1", "127.0.0.1", "224.0.0.1", "254.255.255.254"},
               {"0.0.0.0", "10.0.0.0", "10.0.0.255", "255.1.1.1", "0.1.1.1"});
    ExpectRule([](const char* t) { return IsValidSubnetMask(Ip(t)); },
               {"128.0.0.0", "255.255.255.255", "255.255.255.254", "255.254.0.0"},
               {"0.0.0.0", "255.255.0.255", "255.0.255.0", "0.0.0.1", "0.255.255.255"});
    EXPECT_FALSE(IsDiffSegment(Ip("192.168.0.100"), Ip("192.168.0.1"), Ip("255.255.255.0")));
    EXPECT_TRUE(IsDiffSegment(Ip("192.168.0.100"), Ip("192.169.0.1"), Ip("255.255.0.0")));
}

TEST(AddressRules, ParsesLikeInetAtonAndWritesPlainDottedText) {
    EXPECT_EQ(ParseRouterLanAddress("192.168.0.1"), 0xC0A80001u);
    EXPECT_EQ(ParseRouterLanAddress("127.1"), 0x7F000001u);
    for (const char* bad : {"", "router", "256.1.1.1", "1.2.3.4.5"}) {
        EXPECT_EQ(ParseRouterLanAddress(bad), 0xFFFFFFFFu) << bad;
    }
    EXPECT_EQ(ToDottedText(0), "0.0.0.0");
    EXPECT_EQ(ToDottedText(0xC0A80064u), "192.168.0.100");
}

TEST(TextRules, MacKeysKeyTimesAndSsids) {
    ExpectRule([](const char* t) { return IsValidMacAddress(QString::fromUtf8(t)); },
               {"00:1a:2b:3c:4d:5e", "00:1A:2B:3C:4D:5E", "00:00:00:00:00:00", "0a:FF:ff:00:00:01"},
               {"01:00:5E:00:00:01", "0b:00:00:00:00:00", "FF:FF:FF:FF:FF:FF", "00-1A-2B-3C-4D-5E",
                "0G:00:00:00:00:00", "00:1A:2B:3C:4D:5", "00:1A:2B:3C:4D:5E0", "001A:2B:3C:4D:5E:0",
                "00:1A:2B:3C:4D:5É"});
    ExpectRule([](const char* t) { return IsValidAsciiKey(QString::fromUtf8(t), true); },
               {"abc12", "ABCDEFGHIJ123"}, {"", "abcd", "abcdef", "ab de", "ab-de", "abcdé"});
    ExpectRule([](const char* t) { return IsValidAsciiKey(t, false); },
               {"abcdefgh", "123456789012345678901234567890123456789012345678901234567890123"},
               {"abcdefg", "1234567890123456789012345678901234567890123456789012345678901234", "pass-phrase",
                "abcde"});
    ExpectRule(IsValidHexKey, {"0123456789", "abcdefABCDabcdefABCD012345"},
               {"", "012345678901", "abcdefghij", "0123 45678"});
    // 4294967356 is 2^32 + 60: a wrapping read would pass it.
    ExpectRule(IsValidKeyTime, {"60", "9999", "120abc", " 600"},
               {"59", "10000", "", "abc", "-1", "4294967356", "99999999999999999999"});
    ExpectRule([](const char* t) { return IsValidSsid(QString::fromUtf8(t)); },
               {"My_Net-1 2", "12345678901234567890123456789012"},
               {"", "123456789012345678901234567890123", "a.b", "Café", "路由器"});
}

TEST(FormValue, EscapesExactlyTheTwentyCharactersAndRefusesTheRest) {
    const QSet<char16_t> escaped{0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x2B, 0x2C, 0x3C,
                                 0x3E, 0x5B, 0x5C, 0x5D, 0x5E, 0x60, 0x7B, 0x7C, 0x7D, 0x7E};
    for (char16_t c = 10; c < 128; ++c) {
        const QString expected =
            escaped.contains(c) ? QStringLiteral("%%1").arg(static_cast<int>(c), 2, 16) : QString(QChar(c));
        EXPECT_EQ(EncodeFormValue(QString(QChar(c))), expected) << static_cast<int>(c);
    }
    EXPECT_EQ(EncodeFormValue("a&b x+y/:;=?@()"), "a%26b x%2by/:;=?@()");
    for (const QString& refused :
         {QStringLiteral("user\x01"), QStringLiteral("tab\there"), QString::fromUtf8("josé")}) {
        EXPECT_EQ(EncodeFormValue(refused), "") << refused.toStdString();
    }
}

}  // namespace
