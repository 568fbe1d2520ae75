#include "failing_allocation.h"
#include "router_sim_fixture.h"
#include "router_test_support.h"
#include "tarnwick_object.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// ---- Setters and getters copy exactly the listed fields ----

TEST(RecordCopies, MacInfoNeverTouchesEitherSpare) {
    CTarnwickObject object;
    object.macInfo.spare = "held";
    object.SetMacInfo({"f", "d", "c", "a", "callers"});
    EXPECT_EQ(object.macInfo.spare, "held");

    MacInfo out{"", "", "", "", "untouched"};
    object.GetMacInfo(out);
    EXPECT_EQ(out.factoryMac, "f");
    EXPECT_EQ(out.defaultMac, "d");
    EXPECT_EQ(out.cloneMac, "c");
    EXPECT_EQ(out.applyMac, "a");
    EXPECT_EQ(out.spare, "untouched");
}

TEST(RecordCopies, WanStatusGetterLeavesTheWizardsSixFields) {
    CTarnwickObject object;
    WanStatus in;
    in.connectionType = "PPPoE";
    in.wanIp = "203.0.113.5";
    in.wanMask = "255.255.255.0";
    in.wanGateway = "203.0.113.1";
    in.wanMac = "00:00:5E:00:53:2A";
    in.extraText = "set";
    in.extraValue1 = 1;
    object.SetWanStatus(in);
    EXPECT_EQ(object.wanStatus.extraText, "set");  // the setter copies all eleven

    WanStatus out;
    out.extraText = "mine";
    out.extraValue1 = 7;
    out.extraValue2 = 8;
    out.extraFlag = true;
    out.extraValue3 = 9;
    out.extraText2 = "mine too";
    object.GetWanStatus(out);
    EXPECT_EQ(out.connectionType, "PPPoE");
    EXPECT_EQ(out.wanIp, "203.0.113.5");
    EXPECT_EQ(out.wanMask, "255.255.255.0");
    EXPECT_EQ(out.wanGateway, "203.0.113.1");
    EXPECT_EQ(out.wanMac, "00:00:5E:00:53:2A");
    EXPECT_EQ(out.extraText, "mine");
    EXPECT_EQ(out.extraValue1, 7);
    EXPECT_EQ(out.extraValue2, 8);
    EXPECT_TRUE(out.extraFlag);
    EXPECT_EQ(out.extraValue3, 9);
    EXPECT_EQ(out.extraText2, "mine too");
}

// ---- Composite operations go through the object's own interface ----

class ScriptedObject : public CTarnwickObject {
public:
    int linkResult = 0;
    int basicResult = 0;
    int securityResult = 0;
    std::vector<std::string> calls;

    int CheckWanLink(std::string address, int port, std::string user, std::string password) override {
        calls.push_back("link " + address + ":" + std::to_string(port) + " " + user + "/" + password);
        return linkResult;
    }
    int ApplyWirelessBasic(std::string, int, std::string, std::string) override {
        calls.push_back("basic");
        return basicResult;
    }
    int ApplySecurity(std::string, int, std::string, std::string) override {
        calls.push_back("security");
        return securityResult;
    }
};

TEST(CompositeOperations, PollWanLinkIsCheckWanLinkWithTheSameArguments) {
    ScriptedObject object;
    CDLLObject& shared = object;
    for (int result : {1, 0, -1}) {
        object.linkResult = result;
        EXPECT_EQ(shared.PollWanLink("192.0.2.1", 8080, "user", "pass"), result);
    }
    EXPECT_EQ(object.calls.front(), "link 192.0.2.1:8080 user/pass");
}

TEST(CompositeOperations, ApplyWirelessJudgesOnlyTheSecurityStepAfterTheShippedPause) {
    const std::pair<int, int> basicAndSecurity[] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
    for (const auto& [basic, security] : basicAndSecurity) {
        ScriptedObject object;
        std::vector<std::chrono::milliseconds> pauses;
        object.transportLimits.pause = [&](std::chrono::milliseconds pause) {
            pauses.push_back(pause);
            object.calls.push_back("pause");
        };
        object.basicResult = basic;
        object.securityResult = security;
        EXPECT_EQ(object.ApplyWireless("192.0.2.1", 80, "u", "p"), security == -1 ? -1 : 1);
        EXPECT_EQ(object.calls, (std::vector<std::string>{"basic", "pause", "security"}));
        EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>{2000ms});
    }
}

TEST(ShippedTiming, DefaultsAreTheRoutersOwn) {
    const CTarnwickObject object;
    EXPECT_EQ(object.wirelessPause, 2000ms);
    EXPECT_EQ(object.transportLimits.receiveTimeout, 10000ms);
    EXPECT_EQ(object.transportLimits.reconnectPause, 100ms);
    EXPECT_EQ(object.transportLimits.connectTimeout, 10000ms);
    EXPECT_EQ(object.transportLimits.exchangeDeadline, 60000ms);
    EXPECT_EQ(object.transportLimits.replyCap, 8u * 1024 * 1024);
    EXPECT_FALSE(object.connection.IsOpen());
}

// ---- The shipped library, loaded as the wizard loads it ----

class ShippedLibrary : public testing::Test {
protected:
    void SetUp() override {
        const char* directory = std::getenv("QELVANE_BIN_DIR");
        ASSERT_NE(directory, nullptr);
        const std::string path = std::string(directory) + "/libTarnwick.so";
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        load_ = reinterpret_cast<LoadObjFunction>(dlsym(handle_, kLoadObjSymbol));
        free_ = reinterpret_cast<FreeObjFunction>(dlsym(handle_, kFreeObjSymbol));
        ASSERT_NE(load_, nullptr);
        ASSERT_NE(free_, nullptr);
    }
    void TearDown() override {
        if (handle_) dlclose(handle_);
    }

    void* handle_ = nullptr;
    LoadObjFunction load_ = nullptr;
    FreeObjFunction free_ = nullptr;
};

TEST_F(ShippedLibrary, LoadObjGivesIndependentObjectsAndFreeObjAcceptsNull) {
    CDLLObject* first = nullptr;
    CDLLObject* second = nullptr;
    EXPECT_EQ(load_(&first), 1);
    EXPECT_EQ(load_(&second), 1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    first->SetMacInfo({"f", "d", "c", "a", ""});
    MacInfo out;
    second->GetMacInfo(out);
    EXPECT_EQ(out.defaultMac, "");
    EXPECT_EQ(first->routerInfo.wanType, 0);
    EXPECT_EQ(first->wirelessParams.broadcastSsid, false);
    EXPECT_EQ(free_(first), 1);
    EXPECT_EQ(free_(second), 1);
    EXPECT_EQ(free_(nullptr), 1);
}

// The library allocates through this program's operator new, so the object
// itself can be made to fail: LoadObj then says so with a null object.
TEST_F(ShippedLibrary, LoadObjWithoutMemoryGivesNoObjectAndThrowsNothing) {
    CDLLObject* object = reinterpret_cast<CDLLObject*>(this);
    int result = 0;
    bool fired = false;
    {
        const FailingAllocation failing(0);
        EXPECT_NO_THROW(result = load_(&object));
        fired = failing.Fired();
    }
    EXPECT_TRUE(fired);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(object, nullptr);
}

TEST_F(ShippedLibrary, DrivesARouterOperation) {
    ScopedRouterSim router;
    ASSERT_TRUE(router.ok());
    CDLLObject* object = nullptr;
    ASSERT_EQ(load_(&object), 1);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ReadMacInfo("127.0.0.1", router.port(), "admin", "kvmzt"), 1);
    MacInfo mac;
    object->GetMacInfo(mac);
    EXPECT_EQ(mac.defaultMac, router->state().defaultMac);
    EXPECT_EQ(mac.applyMac, mac.defaultMac);
    EXPECT_EQ(free_(object), 1);
}

TEST_F(ShippedLibrary, FreeObjClosesTheSocketAFailedExchangeLeftOpen) {
    routersim::Options options;
    options.fault = routersim::Fault::Silent;
    ScopedRouterSim router(options);
    ASSERT_TRUE(router.ok());
    CDLLObject* object = nullptr;
    ASSERT_EQ(load_(&object), 1);
    // Both sides are built from the same header, so the layout is shared.
    auto* concrete = static_cast<CTarnwickObject*>(object);
    concrete->transportLimits.receiveTimeout = 200ms;
    EXPECT_EQ(object->CheckWanLink("127.0.0.1", router.port(), "admin", "kvmzt"), -1);
    const SocketHandle leftOver = concrete->connection.get();
    ASSERT_NE(leftOver, kNoSocket);
    const auto identity = SocketInode(leftOver);
    ASSERT_TRUE(identity);
    EXPECT_EQ(free_(object), 1);
    EXPECT_NE(SocketInode(leftOver), identity);
}

}  // namespace
