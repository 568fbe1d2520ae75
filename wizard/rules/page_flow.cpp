#include "page_flow.h"

int SettingsPageOf(int wanType) {
    switch (wanType) {
        case kWanStaticIp:
            return kPageStaticIp;
        case kWanDynamicIp:
            return kPageMacClone;
        case kWanPppoe:
            return kPagePppoe;
        case kWanPptp:
        case kWanL2tp:
            return kPageTunnel;
        default:
            return -1;
    }
}

PageStep NextPage(int page, int wanType, bool passed) {
    switch (page) {
        case kPageWelcome:
        case kPageSetup1:
        case kPageSetup2:
        case kPageSetup3:
            return {page + 1, true};
        case kPageSetup4:
            return {passed ? kPageWanType : page, true};
        case kPageWanType: {
            const int next = SettingsPageOf(wanType);
            return {next < 0 ? page : next, true};
        }
        case kPagePppoe:
        case kPageStaticIp:
        case kPageTunnel:
            return {passed ? kPageMacClone : page, true};
        case kPageMacClone:
            return {passed ? kPageWireless : page, passed};
        case kPageWireless:
            return {passed ? kPageSecurity : page, true};
        case kPageSecurity:
            return {passed ? kPageResult : page, passed};
        default:
            return {page, false};
    }
}

int BackPage(int page, int wanType) {
    if (page <= kPageWelcome || page > kPageResult) {
        return page;
    }
    switch (page) {
        case kPagePppoe:
        case kPageStaticIp:
        case kPageTunnel:
            return kPageWanType;
        case kPageMacClone: {
            if (wanType == kWanDynamicIp) {
                return kPageWanType;
            }
            const int settings = SettingsPageOf(wanType);
            return settings < 0 ? page : settings;
        }
        default:
            return page - 1;
    }
}
