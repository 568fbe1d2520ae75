// The WAN connection types as RouterInfo.wanType numbers them; 0 or any other
// value means no type has been chosen. The router's own form codes differ for
// the two tunnels; the library translates.
#pragma once

enum WanType : int {
    kWanNone = 0,
    kWanStaticIp = 1,
    kWanDynamicIp = 2,
    kWanPppoe = 3,
    kWanPptp = 4,
    kWanL2tp = 5,
};
