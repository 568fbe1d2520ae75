// Whole set-ups as a user would click through them, for the demo and the
// whole-run tests.
#pragma once

#include <QString>

class WizardTour;

struct PppoeTourSettings {
    QString account;
    QString password;
    QString wirelessKey;  // WPA2 pass-phrase
    bool chinese = false;
};

// Welcome to Finish with automatic detection (which must find PPPoE), the
// account checked, WPA2 security, and the result page until it shows a WAN
// address; a screenshot of every page, progress window and message box.
void AddPppoeTour(WizardTour& tour, const PppoeTourSettings& settings);

// How the pages look rather than a whole set-up: hovered choices and link,
// the static-IP page, a message box naming a MAC, the WEP lists, the About
// box; stops on the security page without saving.
void AddLooksTour(WizardTour& tour);

// Waits until the result page shows a WAN address, and screenshots it.
void AddWaitForWanAddress(WizardTour& tour);

inline constexpr int kResultPageWanIpField = 1197;
