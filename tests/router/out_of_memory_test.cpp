// Nothing thrown inside the library reaches the caller: every operation,
// with any one of its allocations failing, returns a result the wizard knows
// and leaves the records whole.
#include "failing_allocation.h"
#include "router_sim_fixture.h"
#include "router_test_support.h"
#include "setup_vocabulary.h"
#include "tarnwick_object.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Operation = int (CTarnwickObject::*)(std::string, int, std::string, std::string);

struct OperationCase {
    const char* name;
    Operation operation;
    int failure;
};

const OperationCase kOperations[] = {
    {"CheckLogin", &CTarnwickObject::CheckLogin, -1},
    {"CheckWanLink", &CTarnwickObject::CheckWanLink, -1},
    {"DetectWanMode", &CTarnwickObject::DetectWanMode, -1},
    {"ReadMacInfo", &CTarnwickObject::ReadMacInfo, -1},
    {"PollWanLink", &CTarnwickObject::PollWanLink, -1},
    {"ConnectWan", &CTarnwickObject::ConnectWan, 0},
    {"ApplyWanSettings", &CTarnwickObject::ApplyWanSettings, -1},
    {"ApplyWirelessBasic", &CTarnwickObject::ApplyWirelessBasic, -1},
    {"ApplySecurity", &CTarnwickObject::ApplySecurity, -1},
    {"ReadWanStatus", &CTarnwickObject::ReadWanStatus, -1},
    {"ApplyMacClone", &CTarnwickObject::ApplyMacClone, 0},
    {"ApplyWireless", &CTarnwickObject::ApplyWireless, -1},
};

// Long enough that every copy allocates.
const std::string kLong(40, 'x');

void FillRecords(CTarnwickObject& object) {
    object.SetRouterInfo({"127.0.0.1", "admin", "kvmzt", kWanPppoe, 0});
    object.SetPppoeParams({"isp-user-" + kLong, "isp-password", ""});
    object.SetWirelessParams({"HomeNet-" + kLong, 3, kWirelessMixedN, true});
    SecurityParams security;
    security.mode = kSecurityWpa2;
    security.passphrase = "passphrase-" + kLong;
    object.SetSecurityParams(security);
    object.SetMacInfo({"old-factory-" + kLong, "old-default", "old-clone", "00:00:5E:00:53:C1", "spare"});
    object.wanStatus.connectionType = "old-type-" + kLong;
    object.wanStatus.wanIp = "old-ip";
}

// What the reading operations may change.
std::string ReadRecords(const CTarnwickObject& object) {
    const MacInfo& mac = object.macInfo;
    const WanStatus& wan = object.wanStatus;
    return mac.factoryMac + "|" + mac.defaultMac + "|" + mac.cloneMac + "|" + mac.applyMac + "|" + mac.spare +
           "|" + wan.connectionType + "|" + wan.wanIp + "|" + wan.wanMask + "|" + wan.wanGateway + "|" +
           wan.wanMac;
}

TEST(OutOfMemory, EveryOperationGivesItsOwnCodeAndLeavesTheRecordsWhole) {
    for (const auto& [name, operation, failure] : kOperations) {
        SCOPED_TRACE(name);
        // A fresh router per operation, so the result without a failure is the same every time.
        ScopedRouterSim router;
        ASSERT_TRUE(router.ok());
        FastLimits fast;
        auto call = [&](CTarnwickObject& object) {
            return (object.*operation)("127.0.0.1", router.port(), "admin", "kvmzt");
        };

        CTarnwickObject reference;
        reference.transportLimits = fast.limits;
        FillRecords(reference);
        const std::string before = ReadRecords(reference);
        const int normal = call(reference);
        ASSERT_NE(normal, failure);
        const std::string after = ReadRecords(reference);

        long failures = 0;
        for (long n = 0;; ++n) {
            CTarnwickObject object;
            object.transportLimits = fast.limits;
            FillRecords(object);
            int result = 0;
            bool fired = false;
            {
                const FailingAllocation failing(n);
                EXPECT_NO_THROW(result = call(object)) << "allocation " << n;
                fired = failing.Fired();
            }
            if (!fired) break;
            ++failures;
            // A failure inside a step the operation does not judge (the basic
            // wireless form, say) may leave its result as it would be.
            EXPECT_TRUE(result == failure || result == normal) << "allocation " << n << ": " << result;
            const std::string records = ReadRecords(object);
            EXPECT_TRUE(records == before || records == after) << "allocation " << n << ": " << records;
        }
        EXPECT_GT(failures, 0);
    }
}

TEST(OutOfMemory, SettersAndGettersCopyWholeRecordsOrNothing) {
    const StaticIpParams fresh{"new-ip-" + kLong, "new-mask-" + kLong, "gw", "dns1", "dns2", "spare"};
    const StaticIpParams old{"old-ip-" + kLong, "", "", "", "", ""};
    for (long n = 0;; ++n) {
        CTarnwickObject object;
        object.SetStaticIpParams(old);
        bool fired = false;
        {
            const FailingAllocation failing(n);
            object.SetStaticIpParams(fresh);
            fired = failing.Fired();
        }
        if (!fired) break;
        EXPECT_EQ(object.staticIpParams.ip, old.ip) << n;
        EXPECT_EQ(object.staticIpParams.mask, "") << n;
    }

    CTarnwickObject object;
    object.SetMacInfo({"factory-" + kLong, "default-" + kLong, "clone", "apply", ""});
    for (long n = 0;; ++n) {
        MacInfo out{"mine-" + kLong, "", "", "", "spare"};
        bool fired = false;
        {
            const FailingAllocation failing(n);
            object.GetMacInfo(out);
            fired = failing.Fired();
        }
        if (!fired) {
            EXPECT_EQ(out.factoryMac, "factory-" + kLong);
            EXPECT_EQ(out.spare, "spare");
            break;
        }
        EXPECT_EQ(out.factoryMac, "mine-" + kLong) << n;
        EXPECT_EQ(out.defaultMac, "") << n;
    }
}

// Not only std::bad_alloc: anything thrown, here by the pause between the two wireless forms.
TEST(OutOfMemory, AnythingThrownBecomesTheNotReachedCode) {
    ScopedRouterSim router;
    ASSERT_TRUE(router.ok());
    CTarnwickObject object;
    object.transportLimits = FastLimits().limits;
    object.transportLimits.pause = [](std::chrono::milliseconds) { throw 42; };
    int result = 0;
    EXPECT_NO_THROW(result = object.ApplyWireless("127.0.0.1", router.port(), "admin", "kvmzt"));
    EXPECT_EQ(result, -1);
}

}  // namespace
