// The library's only two entry points; everything else is reached through the object.
#include "tarnwick_object.h"

#include <new>

#ifdef _WIN32
#define TARNWICK_EXPORT extern "C" __declspec(dllexport)
#else
#define TARNWICK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TARNWICK_EXPORT int LoadObj(CDLLObject** out) {
    if (out == nullptr) return 1;
    auto* object = new (std::nothrow) CTarnwickObject;
    if (object != nullptr) StartSockets();
    *out = object;
    return 1;
}

TARNWICK_EXPORT int FreeObj(CDLLObject* object) {
    delete static_cast<CTarnwickObject*>(object);
    return 1;
}
