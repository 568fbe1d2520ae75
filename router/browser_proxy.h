// Switches the user's browser proxy off so the first login check reaches the
// router directly. The switch is never turned back on.
#pragma once

// 1 when the proxy switch is off afterwards, -1 when it cannot be read or changed.
int DisableBrowserProxy();
