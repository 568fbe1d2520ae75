// The user's ProxyEnable registry value, which Tarnwick switches off on
// Windows; tests set it and put the user's own value back.
#pragma once

#include <windows.h>

#include <optional>

inline const wchar_t* const kInternetSettingsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const wchar_t* const kProxyEnableValue = L"ProxyEnable";

inline std::optional<DWORD> ReadProxyEnable() {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kInternetSettingsKey, kProxyEnableValue, RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// Nothing removes the value; true when it holds `value` afterwards.
inline bool WriteProxyEnable(std::optional<DWORD> value) {
    if (!value) {
        const LONG removed = RegDeleteKeyValueW(HKEY_CURRENT_USER, kInternetSettingsKey, kProxyEnableValue);
        return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
    }
    return RegSetKeyValueW(HKEY_CURRENT_USER, kInternetSettingsKey, kProxyEnableValue, REG_DWORD, &*value,
                           sizeof *value) == ERROR_SUCCESS;
}

// Keeps the user's value for the life of a test.
class SavedProxyEnable {
public:
    SavedProxyEnable() = default;
    ~SavedProxyEnable() { WriteProxyEnable(saved_); }
    SavedProxyEnable(const SavedProxyEnable&) = delete;
    SavedProxyEnable& operator=(const SavedProxyEnable&) = delete;

private:
    std::optional<DWORD> saved_ = ReadProxyEnable();
};
