// Page 8 for PPTP and L2TP: the tunnel server, the account, and the WAN
// addresses unless the router takes them dynamically. One page serves both
// types; the main window puts the type's name in its title.
#pragma once

#include "validation.h"
#include "wizard_page.h"

#include <QString>

class CPPTPSettingDlg : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 188;
    static constexpr int kIdTitle = 1170;
    static constexpr int kIdServer = 1118;
    static constexpr int kIdAccount = 1119;
    static constexpr int kIdPassword = 1120;
    static constexpr int kIdAddressMode = 1121;
    static constexpr int kIdIp = 1123;
    static constexpr int kIdMask = 1124;
    static constexpr int kIdGateway = 1125;

    explicit CPPTPSettingDlg(WizardHost& host, QWidget* parent = nullptr);

    // "PPTP" or "L2TP", as the flow passes the type page.
    void SetTitleText(const QString& text);

    // Into App().tunnelParams, account and password escaped for the router.
    bool PageCheck() override;
    bool UpdateData(bool save) override;

protected:
    void StylePage() override;
    void AfterTranslation() override;

private:
    // The three address fields are only for the static mode; greyed out
    // they keep what was typed, for a return to static.
    void OnAddressModeChanged(int index);

    // Account and password as the user typed them.
    TunnelPageValues values_;
};
