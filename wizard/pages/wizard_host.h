// What a page needs from the window it sits in: the application object, the
// page flow and the set-up tasks. The main window is the one host; tests may
// put a page on a host of their own.
#pragma once

#include "no_address_causes.h"

class CQelvaneApp;

class WizardHost {
public:
    virtual ~WizardHost() = default;

    virtual CQelvaneApp& App() = 0;

    // The page flow (the type page sets the type, then moves on).
    virtual void SetCurrentPage(int index) = 0;
    virtual void GoNext() = 0;

    // Runs a set-up task behind the progress window and returns its result
    // once the window has closed.
    virtual int RunTask(int task) = 0;

    // What the set-up tasks told so far about a WAN address that may not
    // come; the result page names the likely causes from it.
    NoAddressFindings& Findings() { return findings_; }

private:
    NoAddressFindings findings_;
};
