// What every wizard page has in common: a shaped child dialog of the main
// window on a background from Skin/, the big step number, its captions
// translated after styling, and a host to reach the application and the flow.
#pragma once

#include "polygon_dialog.h"

#include <QString>
#include <QStringView>

#include <span>

class CHwStatic;
class CLanguageTable;
class CQelvaneApp;
class WizardHost;

// The step-number label of every numbered page.
inline constexpr int kIdStepNumber = 1174;

// The field a page's warning is about, by the warning's language key.
struct WarningField {
    QStringView key;
    int controlId;
};

class CWizardPage : public CPolygonDialog {
    Q_OBJECT

public:
    // backgroundFile: the page's picture in the program's skin
    // ("Background2.bmp", "cn\\Setup1.bmp").
    CWizardPage(int templateId, QStringView backgroundFile, WizardHost& host, QWidget* parent);

    // The check at Next: true when the page's values were accepted and stored;
    // otherwise the page has already shown its warning. Pages without a
    // check accept.
    virtual bool PageCheck();

protected:
    WizardHost& Host() { return host_; }
    CQelvaneApp& App();
    const CLanguageTable& Language();
    QString Lookup(const QString& key);

    // Shows the warning box: title "Warning ", text of key; then the field
    // the warning names (by fields) takes the focus, ready to be typed over.
    void ShowWarning(const QString& key, std::span<const WarningField> fields = {});
    // Gives the control the focus, also against the focus coming back to
    // where it was as the window returns to the front after a message box.
    static void FocusOnReturn(QWidget& control);

    // Initialisation: number font, then StylePage, translation, then
    // AfterTranslation (lists and texts that must not be translated again).
    bool OnInitDialog() override;
    // A screen reader calls the page by its title, whatever it says now.
    void showEvent(QShowEvent* event) override;
    virtual void StylePage() {}
    virtual void AfterTranslation() {}

private:
    WizardHost& host_;
};

// The application's text for a warning, in the warning box (OK only).
void ShowWarning(CQelvaneApp& app, const QString& key);
