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
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdTitle = 1171;
    static constexpr int kIdSecurityLabel = 1131;
    static constexpr int kIdSecurity = 1126;
    static constexpr int kIdAuthLabel = 1132;
    static constexpr int kIdAuth = 1127;
    static constexpr int kIdKeyTypeLabel = 1133;
    static constexpr int kIdKeyType = 1128;
    static constexpr int kIdTransmitKeyLabel = 1135;
    static constexpr int kIdTransmitKey = 1129;
    static constexpr int kIdWepKeyLabel = 1134;
    static constexpr int kIdWepKey = 1130;
    static constexpr int kIdWpaTypeLabel = 1144;
    static constexpr int kIdWpaType = 1139;
    static constexpr int kIdWpaKeyLabel = 1145;
    static constexpr int kIdPassphrase = 1141;
    static constexpr int kIdLengthHint = 1137;
    static constexpr int kIdKeyTimeLabel = 1143;
    static constexpr int kIdKeyTime = 1142;
    static constexpr int kIdRangeHint = 1138;
    static constexpr int kIdSecurityNote = 1203;
    static constexpr int kIdWepNote = 1205;

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
