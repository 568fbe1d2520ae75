#include "welcome_page.h"

#include "hw_static.h"
#include "language_keys.h"
#include "qelvane_app.h"
#include "skin_font.h"
#include "wizard_host.h"

namespace {

constexpr ControlTemplate kWelcomeControls[] = {
    {CWelcomeDlg::kIdHeading, ControlKind::Static, lang::kWelcomeCaptions[0], 236, 20, 161, 33,
     kStyleCentred},
    {CWelcomeDlg::kIdText, ControlKind::Static, lang::kWelcomeCaptions[1], 211, 56, 216, 143},
};

constexpr DialogTemplate kWelcomeTemplate{CWelcomeDlg::kTemplateId, 434, 212, true, kWelcomeControls};

}  // namespace

CWelcomeDlg::CWelcomeDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background1.bmp", host, parent) {
    RegisterDialogTemplate(kWelcomeTemplate);
}

void CWelcomeDlg::StylePage() {
    const QString face = GetSkinFontName();
    Item<CHwStatic>(kIdHeading)->SetTextFont(30, face, true, false, false, 0);
    Item<CHwStatic>(kIdText)->SetTextFont(12, face, true, false, false, 0);
}
