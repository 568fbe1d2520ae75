#include "browser_proxy.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Never the user's real desktop settings: fixed before the first GIO call,
// even when the program is run outside ctest.
const bool kMemoryBackend = setenv("GSETTINGS_BACKEND", "memory", 1) == 0;

struct ProxySettings {
    GSettings* settings = g_settings_new("org.gnome.system.proxy");
    ~ProxySettings() { g_object_unref(settings); }
    std::string Mode() const {
        gchar* mode = g_settings_get_string(settings, "mode");
        std::string text = mode;
        g_free(mode);
        return text;
    }
    void SetMode(const char* mode) { ASSERT_TRUE(g_settings_set_string(settings, "mode", mode)); }
};

TEST(DisableBrowserProxy, ManualProxyIsSwitchedOff) {
    ASSERT_TRUE(kMemoryBackend);
    ProxySettings proxy;
    proxy.SetMode("manual");
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(proxy.Mode(), "none");
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(proxy.Mode(), "none");
}

TEST(DisableBrowserProxy, AutomaticProxyIsLeftAlone) {
    ProxySettings proxy;
    proxy.SetMode("auto");
    EXPECT_EQ(DisableBrowserProxy(), 1);
    EXPECT_EQ(proxy.Mode(), "auto");
}

// Without the schema g_settings_new would abort the whole program. Runs in a
// fresh process so the schema list is looked up anew.
TEST(DisableBrowserProxyDeathTest, MissingSchemaIsAFailureNotACrash) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_DIRS", "/nonexistent", 1);
            setenv("GSETTINGS_SCHEMA_DIR", "/nonexistent", 1);
            std::exit(DisableBrowserProxy() == -1 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
