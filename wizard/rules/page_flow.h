// Which page follows which: by the page shown, the WAN connection type and
// the outcome of the page's check or task. GUI-free, shared by the main
// window and the headless set-up.
#pragma once

#include "wan_types.h"

// The wizard's pages, in the order the main window creates them.
enum PageId : int {
    kPageWelcome = 0,
    kPageSetup1 = 1,
    kPageSetup2 = 2,
    kPageSetup3 = 3,
    kPageSetup4 = 4,  // Next runs the link task
    kPageWanType = 5,
    kPagePppoe = 6,
    kPageStaticIp = 7,
    kPageTunnel = 8,  // PPTP or L2TP
    kPageMacClone = 9,
    kPageWireless = 10,
    kPageSecurity = 11,  // Next saves everything
    kPageResult = 12,
};

inline constexpr int kPageCount = 13;

// What Next leads to. show is false where a failed step ends without showing
// any page again (the MAC-clone and security pages after a refused check).
struct PageStep {
    int page;
    bool show;
};

// The settings page of a WAN type: static 7, dynamic straight to the MAC
// page 9, PPPoE 6, PPTP and L2TP 8; -1 for no type.
int SettingsPageOf(int wanType);

// Next on page: passed is the outcome of the page's check or task (the link
// task's result 1 and the confirmed "Connect OK" on page 4; ignored on pages
// without one: 0-3 and 5). Page 5 follows the WAN type and stays without
// one. After a passed check on page 11 the result page follows whatever the
// save gave. Pages outside 0-11 stay.
PageStep NextPage(int page, int wanType, bool passed);

// Back on page: the settings pages return to the type page, the MAC page to
// the settings page of the type (the type page for dynamic IP; stays for no
// type), every other page to the one before; page 0 and pages outside the
// range stay.
int BackPage(int page, int wanType);
