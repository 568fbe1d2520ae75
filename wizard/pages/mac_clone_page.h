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
