// Router addresses come from the user's setting.ini: text that is no IPv4
// address must be refused on every system, never sent to some other address
// (Windows' inet_addr makes the broadcast address of it).
#include "socket_platform.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ParseIpv4, DottedQuadsGiveTheAddressInNetworkOrder) {
    std::uint32_t address = 0;
    ASSERT_TRUE(ParseIpv4("127.0.0.1", address));
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address);
    EXPECT_EQ(bytes[0], 127);
    EXPECT_EQ(bytes[3], 1);
    ASSERT_TRUE(ParseIpv4("255.255.255.255", address));
    EXPECT_EQ(address, 0xffffffffu);
}

class BadIpv4Text : public testing::TestWithParam<const char*> {};

TEST_P(BadIpv4Text, IsRefused) {
    std::uint32_t address = 0;
    EXPECT_FALSE(ParseIpv4(GetParam(), address));
}

INSTANTIATE_TEST_SUITE_P(Texts, BadIpv4Text,
                         testing::Values("", "router", "192.168.0.256", "1.2.3.4.5", "1..2.3", "-1.0.0.1",
                                         "http://127.0.0.1"));

}  // namespace
