// The one status read every reader of the WAN status goes through, without
// any window: its one repeat, its wait before the copy, and a cancel that
// leaves the caller's values alone.
#include "wan_status_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_control_object.h"

namespace {

const RouterInfo kLogin{"127.0.0.1", "admin", "kvmzt", 0, 0};

TEST(WanStatusRead, OneRepeatBelowOneThenTheWaitThenTheCopyEvenAfterTwoFailures) {
    RecordingControlObject router;
    router.wanStatus.wanIp = "203.0.113.9";
    router.Script("ReadWanStatus", {0, 1});
    WanStatus status;
    const WanStatusRead read =
        ReadRouterWanStatus(router, kLogin, status, [&router] { router.Record("settle"); });
    EXPECT_TRUE(read.answered);
    EXPECT_TRUE(read.completed);
    EXPECT_EQ(status.wanIp, "203.0.113.9");
    EXPECT_EQ(router.Log(),
              (std::vector<std::string>{"ReadWanStatus", "ReadWanStatus", "settle", "GetWanStatus"}));

    RecordingControlObject silent;
    silent.wanStatus.wanIp = "198.51.100.1";  // what the object still holds
    silent.Script("ReadWanStatus", {-1, -1, 1});
    WanStatus shown;
    EXPECT_FALSE(ReadRouterWanStatus(silent, kLogin, shown).answered);
    EXPECT_EQ(shown.wanIp, "198.51.100.1") << "the page shows what the object holds";
    EXPECT_EQ(silent.Log().size(), 3u) << "a third read would be one too many";
}

TEST(WanStatusRead, ACancelStopsBeforeTheCopy) {
    RecordingControlObject router;
    router.wanStatus.wanIp = "203.0.113.9";
    bool cancelled = false;
    WanStatus status;
    const WanStatusRead read = ReadRouterWanStatus(
        router, kLogin, status, [&cancelled] { cancelled = true; }, [&cancelled] { return cancelled; });
    EXPECT_FALSE(read.completed);
    EXPECT_TRUE(status.wanIp.empty());
}

}  // namespace
