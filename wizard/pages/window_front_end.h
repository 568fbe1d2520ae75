// The window's side of the set-up steps: tasks behind the progress window,
// messages in the skinned message box, the link-error window for a router
// that does not answer.
#pragma once

#include "setup_steps.h"

class WizardHost;

class WindowFrontEnd : public SetupFrontEnd {
public:
    explicit WindowFrontEnd(WizardHost& host) : host_(host) {}

    int RunTask(int task) override;
    bool Tell(const StepMessage& message) override;
    void ShowLinkError() override;
    // The file to edit: where setting.ini is a link (an installed copy keeps
    // it under /etc), the file it leads to.
    QString SettingsFile() const override;
    RouterAddresses Router() const override;

private:
    WizardHost& host_;
};
