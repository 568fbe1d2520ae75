// Page 6 for PPPoE: the account and password from the Internet provider, and
// a button that tries them on the router before the user moves on.
#pragma once

#include "wizard_page.h"

#include <QString>

class CPPOESetDlg : public CWizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 158;
    static constexpr int kIdTitle = 1169;
    static constexpr int kIdAccountLabel = 1063;
    static constexpr int kIdAccount = 1040;
    static constexpr int kIdPasswordLabel = 1064;
    static constexpr int kIdPassword = 1041;
    static constexpr int kIdCheckAccounts = 1146;
    // The router keeps no more than this of either.
    static constexpr int kMaxTextLength = 64;

    explicit CPPOESetDlg(WizardHost& host, QWidget* parent = nullptr);

    // Into App().pppoeParams, escaped for the router's forms.
    bool PageCheck() override;
    bool UpdateData(bool save) override;

protected:
    void StylePage() override;

private:
    void OnCheckAccounts();

    // As the user typed them: the escaped form goes to the record only.
    QString account_;
    QString password_;
};
