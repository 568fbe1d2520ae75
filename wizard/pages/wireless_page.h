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
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdTitle = 1171;
    static constexpr int kIdNote = 1203;
    static constexpr int kIdSsidLabel = 1114;
    static constexpr int kIdSsid = 1108;
    static constexpr int kIdModeLabel = 1115;
    static constexpr int kIdMode = 1111;
    static constexpr int kIdChannelLabel = 1116;
    static constexpr int kIdChannel = 1112;
    static constexpr int kIdBroadcastLabel = 1117;
    static constexpr int kIdBroadcast = 1113;

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
