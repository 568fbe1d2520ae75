#include "link_error_dlg.h"

#include "button_skins.h"
#include "dialog_template.h"
#include "dialog_translation.h"
#include "hw_button_kinds.h"
#include "language_choice.h"
#include "language_keys.h"
#include "qelvane_app.h"
#include "skin_path.h"

namespace {

constexpr ControlTemplate kLinkErrorControls[] = {
    {CLookInfo::kIdRetry, ControlKind::Button, lang::kLinkErrorCaptions[0], 145, 78, 50, 14},
};

constexpr DialogTemplate kLinkErrorTemplate{kLinkErrorTemplateId, 338, 98, false, kLinkErrorControls};

}  // namespace

CLookInfo::CLookInfo(CQelvaneApp& app, QWidget* parent)
    : CPolygonDialog(kLinkErrorTemplateId, parent), app_(app) {
    RegisterDialogTemplate(kLinkErrorTemplate);
    // The explanation is part of the picture.
    SetBackground(
        SkinFilePath(app.ProgramDir(), isSimpChinese != 0 ? u"cn\\link_error.bmp" : u"en\\link_error.bmp"),
        kSkinKeyColour);
    // Only Retry leaves the window; a focused Retry still takes Space and Enter.
    SetDiscardEnterEscape(true);
}

bool CLookInfo::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    auto* retry = Item<CHwBtn_Pic>(kIdRetry);
    ApplyCommonButtonSkin(retry, false, CommonButtonStrip(app_.ProgramDir(), false));
    connect(retry, &QAbstractButton::clicked, this, [this] { OnOK(); });
    retry->setFocus(Qt::OtherFocusReason);
    TranslateDialog(app_.languageTable, *this);
    return true;
}
