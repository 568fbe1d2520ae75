#include "browser_proxy.h"

#ifdef _WIN32

#include <windows.h>

int DisableBrowserProxy() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                      0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return -1;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key, L"ProxyEnable", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS) {
        RegCloseKey(key);
        return -1;
    }
    if (value != 1) {
        RegCloseKey(key);
        return 1;
    }
    const DWORD off = 0;
    const LONG written = RegSetValueExW(key, L"ProxyEnable", 0, type, reinterpret_cast<const BYTE*>(&off), 4);
    RegCloseKey(key);
    return written == ERROR_SUCCESS ? 1 : -1;
}

#else

#include <gio/gio.h>

#include <cstring>
#include <memory>

namespace {

constexpr const char* kProxySchema = "org.gnome.system.proxy";
constexpr const char* kModeKey = "mode";

template <typename T, void (*Release)(T*)>
struct Releaser {
    void operator()(T* object) const { Release(object); }
};
using SchemaPtr = std::unique_ptr<GSettingsSchema, Releaser<GSettingsSchema, g_settings_schema_unref>>;
using SettingsPtr = std::unique_ptr<GSettings, Releaser<void, g_object_unref>>;
using TextPtr = std::unique_ptr<gchar, Releaser<void, g_free>>;

}  // namespace

// GNOME's proxy "mode" stands in for the Windows switch: "manual" is on.
// The schema is looked up first because g_settings_new aborts without one.
int DisableBrowserProxy() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) return -1;
    const SchemaPtr schema(g_settings_schema_source_lookup(source, kProxySchema, TRUE));
    if (!schema || !g_settings_schema_has_key(schema.get(), kModeKey)) return -1;

    const SettingsPtr settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    const TextPtr mode(g_settings_get_string(settings.get(), kModeKey));
    if (mode == nullptr) return -1;
    if (std::strcmp(mode.get(), "manual") != 0) return 1;

    if (!g_settings_set_string(settings.get(), kModeKey, "none")) return -1;
    g_settings_sync();
    return 1;
}

#endif
