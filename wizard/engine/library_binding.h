// Binds the router-control library at run time: the copy beside the program
// first, then the system's search path by bare name. The library creates the
// control object in "LoadObj" and frees it in "FreeObj".
#pragma once

#include "dll_object.h"

#include <QString>

#include <memory>

class QLibrary;

inline constexpr char16_t kLibraryBaseName[] = u"Tarnwick";
// What the program shows, before exiting with 0, when the library is missing.
inline constexpr char16_t kLoadLibraryFailedMessage[] = u"Load Dll failed!!!";

enum class LibraryLoadResult {
    Loaded,    // the library is bound; the control object may still be null
    NotFound,  // neither beside the program nor on the search path
};

// "libTarnwick.so" here, "Tarnwick.dll" on Windows.
QString LibraryFileName(const QString& baseName);

class CLibraryBinding {
public:
    explicit CLibraryBinding(QString baseName = QString::fromUtf16(kLibraryBaseName));
    // Frees the control object it handed out and unloads the library, when
    // Release has not done so already.
    ~CLibraryBinding();
    CLibraryBinding(const CLibraryBinding&) = delete;
    CLibraryBinding& operator=(const CLibraryBinding&) = delete;

    // Loads the library and, when it exports "LoadObj", lets it fill
    // controlObject. A missing export leaves controlObject null.
    LibraryLoadResult Load(const QString& programDir, CDLLObject*& controlObject);

    // Hands controlObject to "FreeObj" (when both exist), sets it to null and
    // unloads the library. Does nothing when nothing is loaded.
    void Release(CDLLObject*& controlObject);

    bool IsLoaded() const;
    QString LoadedPath() const;  // empty while nothing is loaded

private:
    QString baseName_;
    std::unique_ptr<QLibrary> library_;
    CDLLObject* object_ = nullptr;  // the one "LoadObj" made, until it is freed
};
