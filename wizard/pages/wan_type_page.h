// Page 5: how the router reaches the Internet. One button per connection
// type, or automatic detection through the router; either way the wizard
// moves on to the settings page of the type at once.
#pragma once

#include "wizard_page.h"

class CSetup5Dlg : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 212;
    static constexpr int kIdTitle = 1171;
    static constexpr int kIdAutoDetect = 1152;
    static constexpr int kIdHint = 1213;
    static constexpr int kIdDynamicIp = 1147;
    static constexpr int kIdStaticIp = 1151;
    static constexpr int kIdPppoe = 1149;
    static constexpr int kIdPptp = 1148;
    static constexpr int kIdL2tp = 1146;

    explicit CSetup5Dlg(WizardHost& host, QWidget* parent = nullptr);

protected:
    void StylePage() override;

private:
    void OnTypeChosen(int wanType);
    void OnAutoDetect();
    // Hands over to the flow, which leads on by routerInfo.wanType.
    void MoveToTypePage();
};
