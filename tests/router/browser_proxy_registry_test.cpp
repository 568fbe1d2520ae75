// The Windows proxy switch: the user's ProxyEnable value in the registry.
#include "browser_proxy.h"
#include "proxy_enable_value.h"

#include <gtest/gtest.h>

namespace {

class RegistryProxySwitch : public testing::Test {
    SavedProxyEnable saved_;
};

TEST_F(RegistryProxySwitch, EnabledProxyIsSwitchedOffAndStaysOff) {
    ASSERT_TRUE(WriteProxyEnable(1));
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(ReadProxyEnable(), 0u);
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(ReadProxyEnable(), 0u);
}

// Only the value 1 means "on"; anything else is the user's and is kept.
TEST_F(RegistryProxySwitch, OtherValuesAreLeftAlone) {
    ASSERT_TRUE(WriteProxyEnable(2));
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(ReadProxyEnable(), 2u);
}

// A switch that cannot be read is reported, and no value is made up.
TEST_F(RegistryProxySwitch, MissingValueIsAFailure) {
    ASSERT_TRUE(WriteProxyEnable(std::nullopt));
    EXPECT_EQ(DisableBrowserProxy(), -1);
    EXPECT_EQ(ReadProxyEnable(), std::nullopt);
}

}  // namespace
