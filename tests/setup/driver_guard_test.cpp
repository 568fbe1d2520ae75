// The headless driver talks only to a router on loopback, whatever
// setting.ini says; the address is read the way the library reads it.
#include <gtest/gtest.h>

#include "headless_setup.h"

namespace {

TEST(LoopbackRouterAddressTest, AcceptsOnly127Slash8) {
    for (const char* address : {"127.0.0.1", "127.255.255.254", "127.1", "0x7f000001"}) {
        EXPECT_TRUE(IsLoopbackRouterAddress(address)) << address;
    }
    for (const char* address : {"192.168.0.1", "128.0.0.1", "126.255.255.255", "10.127.0.1", "0.0.0.0",
                                "255.255.255.255", "", "localhost", "127.0.0.1.5", "::1"}) {
        EXPECT_FALSE(IsLoopbackRouterAddress(address)) << address;
    }
}

}  // namespace
