// Tarnwick.dll as the wizard uses it on Windows: loaded by name from the
// program's folder, driven only through LoadObj's control object, against the
// simulated router on loopback. scripts/test-windows runs it under Wine with
// the router's ports on the command line.
#include "dll_object.h"
#include "pe_directory.h"
#include "proxy_enable_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Where the script's loopback peers listen.
struct Peers {
    int router = 0;   // router-sim, default state and login
    int silent = 0;   // router-sim --fault silent: accepts and never answers
    int dropped = 0;  // every SYN dropped inside the namespace: connect never completes
    int closed = 0;   // nothing listens: connect is refused at once
} peers;

template <typename Function>
Function Resolve(HMODULE module, const char* name) {
    // Through the generic function type, which GCC lets any function type become.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class TarnwickDll : public testing::Test {
protected:
    static void SetUpTestSuite() { module_ = LoadLibraryW(L"Tarnwick.dll"); }
    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
    }

    void SetUp() override {
        ASSERT_NE(module_, nullptr) << "Tarnwick.dll beside the program did not load";
        const auto loadObj = Resolve<LoadObjFunction>(module_, kLoadObjSymbol);
        ASSERT_NE(loadObj, nullptr);
        ASSERT_EQ(loadObj(&object_), 1);
        ASSERT_NE(object_, nullptr);
    }
    void TearDown() override {
        if (object_ != nullptr) {
            EXPECT_EQ(Resolve<FreeObjFunction>(module_, kFreeObjSymbol)(object_), 1);
        }
    }

    int CheckLogin(int port, const std::string& password = "kvmzt",
                   const std::string& address = "127.0.0.1") {
        return object_->CheckLogin(address, port, "admin", password);
    }

    static HMODULE module_;
    CDLLObject* object_ = nullptr;
};
HMODULE TarnwickDll::module_ = nullptr;

struct TimedResult {
    int result;
    double seconds;
};

template <typename Call>
TimedResult Timed(Call call) {
    const auto start = std::chrono::steady_clock::now();
    const int result = call();
    return {result, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The wizard ships the one file: it must not need MinGW's runtime DLLs.
TEST_F(TarnwickDll, ExportsTheTwoEntryPointsAndImportsOnlySystemLibraries) {
    auto exported = ExportedNames(module_);
    std::sort(exported.begin(), exported.end());
    EXPECT_EQ(exported, (std::vector<std::string>{"FreeObj", "LoadObj"}));

    const std::vector<std::string> system{"advapi32.dll", "crypt32.dll", "kernel32.dll", "msvcrt.dll",
                                          "ws2_32.dll",   "user32.dll",  "ucrtbase.dll"};
    for (const std::string& imported : ImportedModules(module_)) {
        const std::string name = Lowered(imported);
        EXPECT_TRUE(std::find(system.begin(), system.end(), name) != system.end() ||
                    name.starts_with("api-ms-win-"))
            << imported << " is not a system library";
    }
}

TEST_F(TarnwickDll, LoginIsAcceptedRefusedOrFailedByWhatTheRouterSays) {
    EXPECT_EQ(CheckLogin(peers.router), 1);
    EXPECT_EQ(CheckLogin(peers.router, "not-the-password"), 0);
    const TimedResult closed = Timed([&] { return CheckLogin(peers.closed); });
    EXPECT_EQ(closed.result, -1);
    EXPECT_LT(closed.seconds, 3.0) << "a refused connection must fail at once";
}

TEST_F(TarnwickDll, StatusAndMacReadsCarryTheRoutersValues) {
    ASSERT_EQ(object_->ReadWanStatus("127.0.0.1", peers.router, "admin", "kvmzt"), 1);
    WanStatus status;
    object_->GetWanStatus(status);
    EXPECT_EQ(status.connectionType, "Dynamic IP");
    EXPECT_EQ(status.wanMac, "00:00:5E:00:53:2A");

    ASSERT_EQ(object_->ReadMacInfo("127.0.0.1", peers.router, "admin", "kvmzt"), 1);
    MacInfo mac;
    object_->GetMacInfo(mac);
    EXPECT_EQ(mac.factoryMac, "00:00:5E:00:53:2A");
    EXPECT_EQ(mac.cloneMac, "00:00:5E:00:53:C1");
    EXPECT_EQ(mac.applyMac, mac.defaultMac);
}

// The login check turns the browser's proxy off so it reaches the router directly.
TEST_F(TarnwickDll, LoginSwitchesTheRegistryProxyOff) {
    const SavedProxyEnable saved;
    ASSERT_TRUE(WriteProxyEnable(1));
    EXPECT_EQ(CheckLogin(peers.router), 1);
    EXPECT_EQ(ReadProxyEnable(), 0u);
}

// Text that is no IPv4 address is refused before any packet leaves.
TEST_F(TarnwickDll, BadAddressesAreRefusedAtOnce) {
    for (const char* address : {"router", "192.168.0.256", "", "1.2.3"}) {
        const TimedResult bad = Timed([&] { return CheckLogin(peers.router, "kvmzt", address); });
        EXPECT_EQ(bad.result, -1) << address;
        EXPECT_LT(bad.seconds, 1.0) << address;
    }
}

// The two waits that bound an absent or hung router: 10 s each, as on Linux.
TEST_F(TarnwickDll, SilentRouterFailsAfterTheReceiveTimeOut) {
    const TimedResult silent = Timed([&] { return CheckLogin(peers.silent); });
    EXPECT_EQ(silent.result, -1);
    EXPECT_GE(silent.seconds, 9.5);
    EXPECT_LT(silent.seconds, 20.0);
}

TEST_F(TarnwickDll, UnansweredConnectGivesUpAfterTheConnectTimeOut) {
    const TimedResult dropped = Timed([&] { return CheckLogin(peers.dropped); });
    EXPECT_EQ(dropped.result, -1);
    EXPECT_GE(dropped.seconds, 9.5);
    EXPECT_LT(dropped.seconds, 15.0) << "connect must not wait for the system's own time-out";
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::pair<std::string_view, int*> options[] = {{"--router-port=", &peers.router},
                                                         {"--silent-port=", &peers.silent},
                                                         {"--dropped-port=", &peers.dropped},
                                                         {"--closed-port=", &peers.closed}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (const auto& [name, port] : options)
            if (argument.starts_with(name)) *port = std::atoi(argv[i] + name.size());
    }
    for (const auto& [name, port] : options) {
        if (*port <= 0) {
            std::fprintf(stderr, "%s: %sN is needed\n", argv[0], std::string(name).c_str());
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
