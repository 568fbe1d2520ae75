// The window's side of the set-up steps and of the PC's switched network
// profiles: tasks behind the progress window, messages and questions in the
// skinned message box, the link-error window for a router that does not
// answer.
#pragma once

#include "profile_changes.h"
#include "setup_steps.h"

class WizardHost;

class WindowFrontEnd : public SetupFrontEnd, public ProfileChangesFrontEnd {
public:
    explicit WindowFrontEnd(WizardHost& host) : host_(host) {}

    int RunTask(int task) override;
    bool Tell(const StepMessage& message) override;
    // Yes and No as clicked; Escape answers nothing.
    Answer Ask(const StepMessage& question) override;
    void ShowLinkError() override;
    // The file to edit: where setting.ini is a link (an installed copy keeps
    // it under /etc), the file it leads to.
    QString SettingsFile() const override;
    RouterAddresses Router() const override;

private:
    // The box of `type` with the message in the user's language; its result.
    int Show(int type, const StepMessage& message) const;

    WizardHost& host_;
};
