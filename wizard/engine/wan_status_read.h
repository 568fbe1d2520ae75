// How the wizard reads the router's WAN status, wherever it does (the result
// page, the save and restart tasks, the headless driver): ReadWanStatus with
// the login, once more when it gives less than 1 (a router that missed the
// first request gets one more chance), then the settling wait, then
// GetWanStatus. The values are copied even when both reads failed: the caller
// shows what the control object holds.
#pragma once

#include <chrono>
#include <functional>

#include "dll_object.h"
#include "settings_records.h"

// The wait between the status read and fetching its values, as the router
// needs it; the result page reads this often, too.
inline constexpr std::chrono::milliseconds kWanStatusSettle{2000};

struct WanStatusRead {
    bool answered = false;   // a read gave 1 or more
    bool completed = false;  // the values were copied (not cancelled)
};

// settle: the wait between the read and the copy (none when empty).
// cancelled: asked after each router call and after the wait; true stops the
// read there, without copying.
WanStatusRead ReadRouterWanStatus(CDLLObject& object, const RouterInfo& login, WanStatus& status,
                                  const std::function<void()>& settle = {},
                                  const std::function<bool()>& cancelled = {});
