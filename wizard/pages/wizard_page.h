// What every wizard page has in common: a shaped child dialog of the main
// window on a background from Skin/, the big step number, its captions
// translated after styling, and a host to reach the application and the flow.
#pragma once

#include "polygon_dialog.h"

#include <QString>

class CHwStatic;
class CLanguageTable;
class CQelvaneApp;
class WizardHost;

// The step-number label of every numbered page.
inline constexpr int kIdStepNumber = 1174;

class CWizardPage : public CPolygonDialog {
    Q_OBJECT

public:
    // background: a path under the program directory, backslashes allowed
    // ("%sSkin\\Background2.bmp" already formatted).
    CWizardPage(int templateId, const QString& background, WizardHost& host, QWidget* parent);

    // The check at Next: true when the page's values were accepted and stored;
    // otherwise the page has already shown its warning. Pages without a
    // check accept.
    virtual bool PageCheck();

protected:
    WizardHost& Host() { return host_; }
    CQelvaneApp& App();
    const CLanguageTable& Language();
    QString Lookup(const QString& key);

    // Shows the warning box: title "Warning ", text of key.
    void ShowWarning(const QString& key);

    // Initialisation: number font, then StylePage, translation, then
    // AfterTranslation (lists and texts that must not be translated again).
    bool OnInitDialog() override;
    virtual void StylePage() {}
    virtual void AfterTranslation() {}

private:
    WizardHost& host_;
};

// The language table's text for a warning, in the warning box (OK only).
void ShowWarning(const CLanguageTable& table, const QString& key);
