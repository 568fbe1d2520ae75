// The wireless page (index 10): network name, wireless mode, channel and
// whether the name is broadcast. Its check at Next stores them for the save
// and for the result page.
#pragma once

#include "wizard_page.h"

#include <QString>

// The longest SSID the router takes.
inline constexpr int kSsidLimit = 32;

class CWirelessSettingDlg : public CWizardPage {
    Q_OBJECT

public:
    explicit CWirelessSettingDlg(WizardHost& host, QWidget* parent = nullptr);

    bool UpdateData(bool saveAndValidate) override;
    bool PageCheck() override;

protected:
    void StylePage() override;
    void AfterTranslation() override;

private:
    QString ssid_;
    int modeIndex_ = 1;     // b/g/n mixed
    int channelIndex_ = 0;  // automatic
    bool broadcast_ = true;
};
