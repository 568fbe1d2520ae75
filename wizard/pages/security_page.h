// The wireless security page (index 11): the security mode decides which rows
// show, WEP's (authentication, key type, transmit key, key) or WPA's (type,
// pass-phrase, key renewal time), over the same place on the page. Entries
// of a mode stay while another mode is shown. Next here starts the save.
#pragma once

#include "wizard_page.h"

#include <QString>

class CSecuritySettingDlg : public CWizardPage {
    Q_OBJECT

public:
    explicit CSecuritySettingDlg(WizardHost& host, QWidget* parent = nullptr);

    bool UpdateData(bool saveAndValidate) override;
    bool PageCheck() override;

protected:
    void StylePage() override;
    void AfterTranslation() override;

private:
    // The security list's selection change: the rows of that mode.
    void OnSecurityModeChanged(int mode);

    int modeIndex_ = 0;
    int wepAuthIndex_ = 0;
    int wepKeyFormatIndex_ = 0;
    int wepKeyIndex_ = 0;
    int wpaCipherIndex_ = 0;
    QString wepKey_;
    QString passphrase_;
    QString keyTime_;
};
