#include "mac_clone_page.h"

#include "button_skins.h"
#include "dialog_template.h"
#include "hw_button_kinds.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "language_keys.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "skin_path.h"
#include "text_codec.h"
#include "validation.h"
#include "wizard_host.h"

namespace {

constexpr int kTemplateId = 157;

constexpr ControlTemplate kControls[] = {
    {kIdStepNumber, ControlKind::Static, u"7", 16, 0, 30, 48},
    {CMacCloneDlg::kIdTitle, ControlKind::Static, lang::kMacCloneCaptions[0], 44, 15, 229, 21},
    // Two lines of the note end above the title rule under them.
    {CMacCloneDlg::kIdAttention, ControlKind::Static, lang::kMacCloneCaptions[1], 150, 25, 277, 22},
    {CMacCloneDlg::kIdMacLabel, ControlKind::Static, lang::kMacCloneCaptions[2], 88, 88, 66, 8,
     kStyleRightAligned | kStyleSingleLine},
    {CMacCloneDlg::kIdMac, ControlKind::Edit, u"", 184, 88, 104, 14},
    {CMacCloneDlg::kIdClone, ControlKind::Button, lang::kMacCloneCaptions[3], 116, 110, 78, 14},
    {CMacCloneDlg::kIdRestore, ControlKind::Button, lang::kMacCloneCaptions[4], 219, 110, 84, 14},
};

constexpr DialogTemplate kTemplate{kTemplateId, 434, 212, true, kControls};

// The field the warning of the page check is about.
constexpr WarningField kWarningFields[] = {{lang::kMacAddressInvalid, CMacCloneDlg::kIdMac}};

}  // namespace

CMacCloneDlg::CMacCloneDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kTemplate);
}

void CMacCloneDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    ApplySubtitleSkin(Item<CHwStatic>(kIdAttention));
    ApplyBodyTextSkin(Item<CHwStatic>(kIdMacLabel));
    ApplyEditSkin(Item<CHwEdit>(kIdMac), App().Settings());
    const QString strip = SkinFilePath(App().ProgramDir(), u"Button_RestoreDefault.bmp");
    auto* clone = Item<CHwBtn_Pic>(kIdClone);
    auto* restore = Item<CHwBtn_Pic>(kIdRestore);
    ApplyCommonButtonSkin(clone, false, strip);
    ApplyCommonButtonSkin(restore, false, strip);
    connect(clone, &QAbstractButton::clicked, this, [this] { ApplyMac(App().macInfo.cloneMac); });
    connect(restore, &QAbstractButton::clicked, this, [this] { ApplyMac(App().macInfo.factoryMac); });
}

bool CMacCloneDlg::UpdateData(bool saveAndValidate) {
    ExchangeText(*this, kIdMac, mac_, saveAndValidate);
    return true;
}

bool CMacCloneDlg::PageCheck() {
    UpdateData(true);
    if (const WarningKey warning = CheckMacClonePage({mac_}, App().macInfo)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}

void CMacCloneDlg::ApplyMac(const std::string& address) {
    UpdateData(true);
    mac_ = ToWide(address);
    App().macInfo.applyMac = address;
    UpdateData(false);
}

void CMacCloneDlg::ShowAppliedMac() {
    mac_ = ToWide(App().macInfo.applyMac);
    UpdateData(false);
}

void CMacCloneDlg::showEvent(QShowEvent* event) {
    CWizardPage::showEvent(event);
    ShowAppliedMac();
}

void CMacCloneDlg::hideEvent(QHideEvent* event) {
    CWizardPage::hideEvent(event);
    ShowAppliedMac();
}
