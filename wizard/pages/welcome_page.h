// Page 0: the greeting on the wizard's first background, with no step number
// and no title.
#pragma once

#include "wizard_page.h"

class CWelcomeDlg : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 205;
    static constexpr int kIdHeading = 1172;
    static constexpr int kIdText = 1173;

    explicit CWelcomeDlg(WizardHost& host, QWidget* parent = nullptr);

protected:
    void StylePage() override;
};
