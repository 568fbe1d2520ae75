// The reasons both front ends give for a WAN address that does not come.
#include "no_address_causes.h"
#include "setup_tasks.h"

#include <gtest/gtest.h>

using Causes = std::vector<NoAddressCause>;

TEST(NoAddressCauses, KnownFaultsComeFirstAndTheProviderIsNamedOnlyWhenNothingElseExplainsIt) {
    NoAddressFindings findings;
    EXPECT_EQ(LikelyNoAddressCauses(findings), Causes{NoAddressCause::NoStatusAnswer});
    findings.statusAnswered = true;
    EXPECT_EQ(LikelyNoAddressCauses(findings), Causes{NoAddressCause::NoProviderAddress});

    NoteTaskResult(findings, TASK_AUTO, 0);    // nothing detected
    NoteTaskResult(findings, TASK_CHECK, 0);   // account refused
    NoteTaskResult(findings, TASK_SAVE, -1);   // never sent
    NoteTaskResult(findings, TASK_REBOOT, 0);  // says nothing about it
    findings.gatewayOutsideSubnet = true;
    EXPECT_EQ(LikelyNoAddressCauses(findings),
              (Causes{NoAddressCause::AccountRefused, NoAddressCause::NoLinkDetected,
                      NoAddressCause::SaveUnconfirmed, NoAddressCause::GatewayOutsideSubnet}));

    // A later success clears what an earlier try noted.
    NoteTaskResult(findings, TASK_AUTO, 3);
    NoteTaskResult(findings, TASK_CHECK, 1);
    NoteTaskResult(findings, TASK_SAVE, 1);
    findings.gatewayOutsideSubnet = false;
    EXPECT_EQ(LikelyNoAddressCauses(findings), Causes{NoAddressCause::NoProviderAddress});
}

TEST(NoAddressCauses, GatewayOutsideTheSubnet) {
    EXPECT_FALSE(GatewayOutsideSubnet("198.51.100.7", "255.255.255.0", "198.51.100.1"));
    EXPECT_TRUE(GatewayOutsideSubnet("198.51.100.7", "255.255.255.0", "203.0.113.1"));
    EXPECT_FALSE(GatewayOutsideSubnet("198.51.100.7", "255.255.0.0", "198.51.7.1"));
    EXPECT_FALSE(GatewayOutsideSubnet("198.51.100.7", "", "203.0.113.1"));
}
