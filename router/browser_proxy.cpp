#include "browser_proxy.h"

#ifdef _WIN32

#include <windows.h>

namespace {

constexpr const wchar_t* kInternetSettingsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const wchar_t* kProxyEnableValue = L"ProxyEnable";
constexpr DWORD kProxyOn = 1;
constexpr DWORD kProxyOff = 0;

// An open registry key that closes itself.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool Open(HKEY parent, const wchar_t* path, REGSAM access) {
        HKEY opened = nullptr;
        if (key_ != nullptr || RegOpenKeyExW(parent, path, 0, access, &opened) != ERROR_SUCCESS) return false;
        key_ = opened;
        return true;
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

int DisableBrowserProxy() {
    RegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_ALL_ACCESS)) return -1;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key.get(), kProxyEnableValue, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS)
        return -1;
    if (value != kProxyOn) return 1;
    const DWORD off = kProxyOff;
    return RegSetValueExW(key.get(), kProxyEnableValue, 0, type, reinterpret_cast<const BYTE*>(&off),
                          sizeof off) == ERROR_SUCCESS
               ? 1
               : -1;
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
