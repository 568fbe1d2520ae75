#include "library_binding.h"
#include "qelvane_app.h"

#include "program_dir_fixture.h"

#include <QFile>

#include <cstdlib>

#include <dlfcn.h>

namespace {

const QString kFakeDir = QStringLiteral(FAKE_TARNWICK_DIR "/");
const QString kNoEntryDir = QStringLiteral(NO_ENTRY_TARNWICK_DIR "/");

// Keeps the fake library loaded after the binding lets go of it, so the
// test can still ask how many objects are alive. A dlopen handle of its own:
// QLibrary instances of one file share their load count.
class FakeLibraryProbe {
public:
    FakeLibraryProbe()
        : handle_(dlopen(QFile::encodeName(kFakeDir + LibraryFileName("Tarnwick")), RTLD_NOW)) {
        EXPECT_NE(handle_, nullptr);
    }
    ~FakeLibraryProbe() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    int LiveObjects() {
        auto count =
            reinterpret_cast<int (*)()>(handle_ != nullptr ? dlsym(handle_, "FakeLiveObjects") : nullptr);
        return count != nullptr ? count() : -1;
    }

private:
    void* handle_;
};

TEST(LibraryBinding, CreatesTheObjectFromTheProgramDirectoryAndFreesItOnRelease) {
    FakeLibraryProbe probe;
    CLibraryBinding binding;
    CDLLObject* object = nullptr;
    ASSERT_EQ(binding.Load(kFakeDir, object), LibraryLoadResult::Loaded);
    EXPECT_TRUE(binding.LoadedPath().startsWith(kFakeDir));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->routerInfo.address, "fake");
    EXPECT_EQ(probe.LiveObjects(), 1);

    EXPECT_EQ(binding.Load(kFakeDir, object), LibraryLoadResult::Loaded);  // no second object
    EXPECT_EQ(probe.LiveObjects(), 1);

    binding.Release(object);
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(binding.IsLoaded());
    EXPECT_EQ(probe.LiveObjects(), 0);
    binding.Release(object);  // a second shutdown is harmless
}

TEST(LibraryBinding, ABindingThatGoesAwayFreesTheObjectItMade) {
    FakeLibraryProbe probe;
    {
        CLibraryBinding binding;
        CDLLObject* object = nullptr;
        ASSERT_EQ(binding.Load(kFakeDir, object), LibraryLoadResult::Loaded);
        EXPECT_EQ(probe.LiveObjects(), 1);
    }
    EXPECT_EQ(probe.LiveObjects(), 0);
}

TEST(LibraryBinding, ALibraryWithoutLoadObjLeavesTheObjectNull) {
    CLibraryBinding binding;
    CDLLObject* object = nullptr;
    EXPECT_EQ(binding.Load(kNoEntryDir, object), LibraryLoadResult::Loaded);
    EXPECT_EQ(object, nullptr);
    binding.Release(object);  // no "FreeObj" either: just unloads
    EXPECT_FALSE(binding.IsLoaded());
}

TEST(LibraryBinding, AMissingLibraryIsReportedToTheCaller) {
    TempProgramDir emptyDir;
    CQelvaneApp app(emptyDir.Path());
    EXPECT_EQ(app.BindLibrary(), LibraryLoadResult::NotFound);
    EXPECT_FALSE(app.HasControlObject());
    EXPECT_FALSE(app.libraryModule.IsLoaded());
    app.ReleaseLibrary();
}

TEST(LibraryBinding, BindsTheRealLibraryBesideTheProgram) {
    const QString dir = QString::fromLocal8Bit(std::getenv("QELVANE_BIN_DIR")) + u'/';
    ASSERT_TRUE(QFile::exists(dir + LibraryFileName("Tarnwick")))
        << "libTarnwick.so is not built in " << dir.toStdString();
    CQelvaneApp app(dir);
    ASSERT_EQ(app.BindLibrary(), LibraryLoadResult::Loaded);
    ASSERT_TRUE(app.HasControlObject());
    MacInfo sent{"00:11:22:33:44:55", "00:11:22:33:44:56", "00:11:22:33:44:57", "00:11:22:33:44:58", ""};
    app.controlObject->SetMacInfo(sent);
    MacInfo received;
    app.controlObject->GetMacInfo(received);
    EXPECT_EQ(received.applyMac, sent.applyMac);
    EXPECT_EQ(received.factoryMac, sent.factoryMac);
    app.ReleaseLibrary();
    EXPECT_FALSE(app.libraryModule.IsLoaded());
}

}  // namespace
