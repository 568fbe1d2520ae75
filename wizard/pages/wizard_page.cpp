#include "wizard_page.h"

#include "dialog_translation.h"
#include "hw_static.h"
#include "language_keys.h"
#include "message_box.h"
#include "qelvane_app.h"
#include "skin_font.h"
#include "wizard_host.h"

CWizardPage::CWizardPage(int templateId, const QString& background, WizardHost& host, QWidget* parent)
    : CPolygonDialog(templateId, parent), host_(host) {
    SetBackground(background, kSkinKeyColour);
    // Pages do not move the main window: only its own face drags it.
    SetDraggable(false);
}

bool CWizardPage::PageCheck() {
    return true;
}

CQelvaneApp& CWizardPage::App() {
    return host_.App();
}

const CLanguageTable& CWizardPage::Language() {
    return host_.App().languageTable;
}

QString CWizardPage::Lookup(const QString& key) {
    return Language().Lookup(key);
}

void CWizardPage::ShowWarning(const QString& key) {
    ::ShowWarning(Language(), key);
}

bool CWizardPage::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    if (auto* number = Item<CHwStatic>(kIdStepNumber)) {
        number->SetTextFont(30, GetSkinFontName(), true, true, false, 0);
    }
    StylePage();
    TranslateDialog(Language(), *this);
    AfterTranslation();
    return true;
}

void ShowWarning(const CLanguageTable& table, const QString& key) {
    ShowMessageBox(kMessageWarning, table.Lookup(lang::kWarningTitle.toString()), table.Lookup(key));
}
