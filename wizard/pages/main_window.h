// The wizard's main window.
#pragma once

class CQelvaneApp;

// Shows the main window and runs the event loop until it closes; returns the
// loop's exit status. Until the skinned pages land, the window names the
// product, its model and version.
int RunMainWindow(CQelvaneApp& app);
