#include "link_error_dlg.h"

#include "button_skins.h"
#include "dialog_template.h"
#include "dialog_translation.h"
#include "format_string.h"
#include "hw_button_kinds.h"
#include "language_choice.h"
#include "language_keys.h"
#include "qelvane_app.h"

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
        FormatString(isSimpChinese != 0 ? u"%sSkin\\cn\\link_error.bmp" : u"%sSkin\\en\\link_error.bmp",
                     app.ProgramDir()),
        kSkinKeyColour);
    // Only Retry leaves the window; a focused Retry still takes Space and Enter.
    SetDiscardEnterEscape(true);
}

bool CLookInfo::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    auto* retry = Item<CHwBtn_Pic>(kIdRetry);
    ApplyCommonButtonSkin(retry, false, QString());
    connect(retry, &QAbstractButton::clicked, this, [this] { OnOK(); });
    retry->setFocus(Qt::OtherFocusReason);
    TranslateDialog(app_.languageTable, *this);
    return true;
}
