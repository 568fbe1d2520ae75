#include "library_binding.h"

#include <QLibrary>

#include <utility>

QString LibraryFileName(const QString& baseName) {
#ifdef _WIN32
    return baseName + QStringLiteral(".dll");
#else
    return QStringLiteral("lib") + baseName + QStringLiteral(".so");
#endif
}

CLibraryBinding::CLibraryBinding(QString baseName) : baseName_(std::move(baseName)) {}

CLibraryBinding::~CLibraryBinding() {
    CDLLObject* object = object_;
    Release(object);
}

LibraryLoadResult CLibraryBinding::Load(const QString& programDir, CDLLObject*& controlObject) {
    if (IsLoaded()) {
        return LibraryLoadResult::Loaded;  // bound once; a second LoadObj would leak the first object
    }
    // Beside the program first, so an installed copy never picks up a stray
    // library of the same name from the system.
    for (const QString& candidate : {programDir + LibraryFileName(baseName_), LibraryFileName(baseName_)}) {
        auto library = std::make_unique<QLibrary>(candidate);
        if (library->load()) {
            library_ = std::move(library);
            break;
        }
    }
    if (!IsLoaded()) {
        return LibraryLoadResult::NotFound;
    }
    controlObject = nullptr;
    if (auto loadObj = reinterpret_cast<LoadObjFunction>(library_->resolve(kLoadObjSymbol))) {
        loadObj(&controlObject);
    }
    object_ = controlObject;
    return LibraryLoadResult::Loaded;
}

void CLibraryBinding::Release(CDLLObject*& controlObject) {
    if (!IsLoaded()) {
        return;
    }
    // The object this binding made is freed once, whichever pointer the
    // caller hands back.
    auto freeObj = reinterpret_cast<FreeObjFunction>(library_->resolve(kFreeObjSymbol));
    if (freeObj != nullptr && object_ != nullptr) {
        freeObj(object_);
    }
    object_ = nullptr;
    controlObject = nullptr;
    library_->unload();
    library_.reset();
}

bool CLibraryBinding::IsLoaded() const {
    return library_ != nullptr && library_->isLoaded();
}

QString CLibraryBinding::LoadedPath() const {
    return IsLoaded() ? library_->fileName() : QString();
}
