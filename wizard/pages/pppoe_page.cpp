#include "pppoe_page.h"

#include "button_skins.h"
#include "hw_button_kinds.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "language_keys.h"
#include "message_box.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "skin_path.h"
#include "setup_tasks.h"
#include "validation.h"
#include "wizard_host.h"
#include "window_front_end.h"

#include <QAbstractButton>

namespace {

// The labels are a unit taller than in the original, for the skin font's
// descenders.
constexpr ControlTemplate kPppoeControls[] = {
    {kIdStepNumber, ControlKind::Static, u"6", 16, 0, 30, 48},
    {CPPOESetDlg::kIdTitle, ControlKind::Static, lang::kPppoeCaptions[0], 44, 15, 319, 40},
    {CPPOESetDlg::kIdAccountLabel, ControlKind::Static, lang::kPppoeCaptions[1], 61, 89, 101, 10,
     kStyleRightAligned},
    {CPPOESetDlg::kIdAccount, ControlKind::Edit, u"", 178, 84, 104, 14, kStyleNone,
     CPPOESetDlg::kMaxTextLength},
    {CPPOESetDlg::kIdPasswordLabel, ControlKind::Static, lang::kPppoeCaptions[2], 61, 119, 101, 10,
     kStyleRightAligned},
    {CPPOESetDlg::kIdPassword, ControlKind::Edit, u"", 178, 114, 104, 14, kStyleNone,
     CPPOESetDlg::kMaxTextLength},
    {CPPOESetDlg::kIdCheckAccounts, ControlKind::Button, lang::kPppoeCaptions[3], 178, 144, 92, 14},
};

constexpr DialogTemplate kPppoeTemplate{CPPOESetDlg::kTemplateId, 371, 212, true, kPppoeControls};

// The field each warning of the page check is about.
constexpr WarningField kWarningFields[] = {
    {lang::kAccountEmpty, CPPOESetDlg::kIdAccount},
    {lang::kAccountUnsendable, CPPOESetDlg::kIdAccount},
    {lang::kPasswordEmpty, CPPOESetDlg::kIdPassword},
    {lang::kPasswordUnsendable, CPPOESetDlg::kIdPassword},
};

}  // namespace

CPPOESetDlg::CPPOESetDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kPppoeTemplate);
}

void CPPOESetDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    ApplyBodyTextSkin(Item<CHwStatic>(kIdAccountLabel));
    ApplyBodyTextSkin(Item<CHwStatic>(kIdPasswordLabel));
    ApplyEditSkin(Item<CHwEdit>(kIdAccount), App().Settings());
    ApplyEditSkin(Item<CHwEdit>(kIdPassword), App().Settings());

    auto* check = Item<CHwBtn_Pic>(kIdCheckAccounts);
    ApplyCommonButtonSkin(check, false, SkinFilePath(App().ProgramDir(), u"Button_RestoreDefault.bmp"));
    connect(check, &QAbstractButton::clicked, this, [this] { OnCheckAccounts(); });
}

bool CPPOESetDlg::UpdateData(bool save) {
    ExchangeText(*this, kIdAccount, account_, save, kMaxTextLength);
    ExchangeText(*this, kIdPassword, password_, save, kMaxTextLength);
    return true;
}

bool CPPOESetDlg::PageCheck() {
    UpdateData(true);
    // The check escapes a copy: escaping the fields themselves would escape
    // them again at the next check ("a&b" would reach the router as
    // "a%2526b" after Check Accounts and then Next).
    PppoePageValues values{account_, password_};
    if (const WarningKey warning = CheckPppoePage(values, App().pppoeParams)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}

void CPPOESetDlg::OnCheckAccounts() {
    if (!PageCheck()) {
        return;
    }
    WindowFrontEnd frontEnd(Host());
    SetupSteps(frontEnd).RunAccountCheck();
}
