// The five set-up tasks: fixed scripts of router operations with fixed pauses
// and at most one repeat of a failed operation. Pure of threads and windows;
// the worker runs one script, the program passes real sleeping as the pause.
#pragma once

#include "adapter_reset.h"
#include "dll_object.h"
#include "pause_function.h"
#include "settings_records.h"

enum SetupTask : int {
    TASK_LINK = 1,    // adapters to DHCP, login, MAC read
    TASK_AUTO = 2,    // WAN type detection
    TASK_CHECK = 3,   // PPPoE account check
    TASK_SAVE = 4,    // WAN, wireless and security settings, status read
    TASK_REBOOT = 5,  // WAN connect, MAC clone with restart, status read
    // The PC's switched network profiles the user chose to have back, put
    // back (no router operation).
    TASK_RESTORE = 6,
};

// Results of the link task besides the last CheckLogin's.
inline constexpr int kLinkFoundElsewhere = 2;  // logged in where the wired lease named the router
inline constexpr int kLinkNoCable = -2;        // no wired adapter has a carrier: nothing was asked

// Result of every task when there is no control object to call.
inline constexpr int kNoControlObjectResult = -1;

// Runs the script of `task` and returns its result: the last CheckLogin (or
// one of the link results above),
// DetectWanMode, PollWanLink or ApplyWireless for tasks 1 to 4, 0 for task 5
// and for unknown codes (which run nothing), the number of profiles put back
// for task 6 (each profile's outcome goes to the records). A null `object` is
// never called.
int RunSetupScript(int task, CDLLObject* object, SettingsRecords& records, const PauseFunction& pause,
                   CAdapterReset& adapters);
