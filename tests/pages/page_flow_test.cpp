// The order of the wizard's pages by page, WAN type and outcome.
#include "page_flow.h"

#include <gtest/gtest.h>

TEST(PageFlow, ForwardPathOfEveryWanType) {
    const struct {
        int wanType;
        int settingsPage;
    } types[] = {{kWanStaticIp, kPageStaticIp},
                 {kWanDynamicIp, kPageMacClone},
                 {kWanPppoe, kPagePppoe},
                 {kWanPptp, kPageTunnel},
                 {kWanL2tp, kPageTunnel}};
    for (const auto& type : types) {
        int page = kPageWelcome;
        int visited = 0;
        while (page != kPageResult && visited++ < kPageCount) {
            const PageStep step = NextPage(page, type.wanType, true);
            ASSERT_TRUE(step.show);
            ASSERT_NE(step.page, page) << "stuck on " << page;
            if (page == kPageWanType) {
                EXPECT_EQ(step.page, type.settingsPage);
            }
            page = step.page;
        }
        EXPECT_EQ(page, kPageResult) << type.wanType;
    }
}

TEST(PageFlow, FailedStepsStayAndTwoOfThemShowNothing) {
    EXPECT_EQ(NextPage(kPageSetup4, kWanPppoe, false).page, kPageSetup4);
    for (int page : {kPagePppoe, kPageStaticIp, kPageTunnel, kPageWireless}) {
        EXPECT_EQ(NextPage(page, kWanPppoe, false).page, page);
        EXPECT_TRUE(NextPage(page, kWanPppoe, false).show);
    }
    for (int page : {kPageMacClone, kPageSecurity}) {
        const PageStep step = NextPage(page, kWanPppoe, false);
        EXPECT_EQ(step.page, page);
        EXPECT_FALSE(step.show);
    }
    // No type chosen yet, or one the wizard does not know: the type page stays.
    EXPECT_EQ(NextPage(kPageWanType, kWanNone, true).page, kPageWanType);
    EXPECT_EQ(NextPage(kPageWanType, 6, true).page, kPageWanType);
    EXPECT_EQ(NextPage(kPageResult, kWanPppoe, true).page, kPageResult);
    EXPECT_EQ(NextPage(-1, kWanPppoe, true).page, -1);
}

TEST(PageFlow, BackFromTheMacPageReturnsToTheSettingsOfTheType) {
    EXPECT_EQ(BackPage(kPageMacClone, kWanStaticIp), kPageStaticIp);
    EXPECT_EQ(BackPage(kPageMacClone, kWanDynamicIp), kPageWanType);
    EXPECT_EQ(BackPage(kPageMacClone, kWanPppoe), kPagePppoe);
    EXPECT_EQ(BackPage(kPageMacClone, kWanPptp), kPageTunnel);
    EXPECT_EQ(BackPage(kPageMacClone, kWanL2tp), kPageTunnel);
    EXPECT_EQ(BackPage(kPageMacClone, kWanNone), kPageMacClone);
}

TEST(PageFlow, BackElsewhere) {
    for (int page : {kPagePppoe, kPageStaticIp, kPageTunnel}) {
        EXPECT_EQ(BackPage(page, kWanPppoe), kPageWanType);
    }
    EXPECT_EQ(BackPage(kPageWanType, kWanPppoe), kPageSetup4);
    EXPECT_EQ(BackPage(kPageWireless, kWanPppoe), kPageMacClone);
    EXPECT_EQ(BackPage(kPageResult, kWanPppoe), kPageSecurity);
    EXPECT_EQ(BackPage(kPageSetup1, kWanPppoe), kPageWelcome);
    EXPECT_EQ(BackPage(kPageWelcome, kWanPppoe), kPageWelcome);
    EXPECT_EQ(BackPage(13, kWanPppoe), 13);
}
