// Page 7 for a static IP connection: the five addresses the Internet
// provider gave.
#pragma once

#include "validation.h"
#include "wizard_page.h"

class CStaticIpDlg : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 159;
    static constexpr int kIdTitle = 1073;
    static constexpr int kIdIp = 1030;
    static constexpr int kIdMask = 1031;
    static constexpr int kIdGateway = 1032;
    static constexpr int kIdDns1 = 1033;
    static constexpr int kIdDns2 = 1034;
    static constexpr int kIdIpLabel = 1182;
    static constexpr int kIdMaskLabel = 1074;
    static constexpr int kIdGatewayLabel = 1075;
    static constexpr int kIdDns1Label = 1076;
    static constexpr int kIdDns2Label = 1077;

    explicit CStaticIpDlg(WizardHost& host, QWidget* parent = nullptr);

    // Into App().staticIpParams.
    bool PageCheck() override;
    bool UpdateData(bool save) override;

protected:
    void StylePage() override;

private:
    StaticIpPageValues values_;
};
