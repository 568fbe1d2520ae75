// Environment changes for the test programs, which build for Windows too
// (Tarnwick's suites run there under Wine) where there is no setenv.
#pragma once

#include <cstdlib>

// Sets `name` to `value`; an existing value stays unless `overwrite`.
inline bool SetEnvironment(const char* name, const char* value, bool overwrite) {
#ifdef _WIN32
    if (!overwrite && std::getenv(name) != nullptr) return true;
    return _putenv_s(name, value) == 0;
#else
    return setenv(name, value, overwrite ? 1 : 0) == 0;
#endif
}

// What every test program sets before anything starts: the desktop's settings
// kept in memory, a system bus that does not exist, and the build's runtime
// files as the program's own (unless the caller names others).
inline void KeepTestsAwayFromTheMachine(const char* binDirectory) {
    SetEnvironment("GSETTINGS_BACKEND", "memory", true);
    SetEnvironment("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/qelvane-tests-have-no-system-bus",
                   true);
    SetEnvironment("QELVANE_BIN_DIR", binDirectory, false);
}
