// The WAN MAC address page (index 9): the address the router's WAN port will
// use, with buttons for the PC's address (clone) and the router's own
// (restore). The field always shows macInfo.applyMac when the page appears or
// goes, so an entry not accepted by Next does not survive leaving the page.
#pragma once

#include "wizard_page.h"

#include <QString>

#include <string>

class CMacCloneDlg : public CWizardPage {
    Q_OBJECT

public:
    // Control ids of the page's template (the tour and the tests use them).
    static constexpr int kIdTitle = 1171;
    static constexpr int kIdAttention = 1168;
    static constexpr int kIdMacLabel = 1061;
    static constexpr int kIdMac = 1038;
    static constexpr int kIdClone = 1146;
    static constexpr int kIdRestore = 1147;

    explicit CMacCloneDlg(WizardHost& host, QWidget* parent = nullptr);

    bool UpdateData(bool saveAndValidate) override;
    bool PageCheck() override;

protected:
    void StylePage() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Clone and Restore: the field and macInfo.applyMac take address.
    void ApplyMac(const std::string& address);
    void ShowAppliedMac();

    QString mac_;
};
