// The library's only two entry points; everything else is reached through the object.
#include "boundary_guard.h"
#include "tarnwick_object.h"

#include <new>

#ifdef _WIN32
#define TARNWICK_EXPORT extern "C" __declspec(dllexport)
#else
#define TARNWICK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Both report 1 whatever happens, as the wizard expects; a LoadObj that
// could not make the object leaves null in *out.
TARNWICK_EXPORT int LoadObj(CDLLObject** out) {
    if (out == nullptr) return kResultYes;
    *out = nullptr;
    Guarded([&] {
        auto* object = new (std::nothrow) CTarnwickObject;
        if (object != nullptr) StartSockets();
        *out = object;
    });
    return kResultYes;
}

TARNWICK_EXPORT int FreeObj(CDLLObject* object) {
    Guarded([&] { delete static_cast<CTarnwickObject*>(object); });
    return kResultYes;
}
