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
