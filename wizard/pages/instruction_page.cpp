#include "instruction_page.h"

#include "format_string.h"
#include "language_choice.h"
#include "language_keys.h"
#include "page_skins.h"
#include "hw_static.h"
#include "qelvane_app.h"
#include "wizard_host.h"

#include <array>
#include <cstddef>

namespace {

constexpr int kStepCount = CInstructionPage::kLastStep - CInstructionPage::kFirstStep + 1;
constexpr std::array<QStringView, kStepCount> kStepNumbers{u"1", u"2", u"3", u"4"};
static_assert(lang::kInstructionCaptions.size() == kStepCount);

// The same two controls on every instruction page; only the texts change.
constexpr std::array<ControlTemplate, 2> InstructionControls(std::size_t index) {
    return {{
        {kIdStepNumber, ControlKind::Static, kStepNumbers[index], 18, 0, 30, 40},
        {CInstructionPage::kIdTitle, ControlKind::Static, lang::kInstructionCaptions[index], 44, 15, 373, 32},
    }};
}

constexpr std::array kInstructionControls{InstructionControls(0), InstructionControls(1),
                                          InstructionControls(2), InstructionControls(3)};

constexpr DialogTemplate InstructionTemplate(std::size_t index) {
    return {CInstructionPage::TemplateIdOf(static_cast<int>(index) + 1), 418, 212, true,
            kInstructionControls[index]};
}

constexpr std::array kInstructionTemplates{InstructionTemplate(0), InstructionTemplate(1),
                                           InstructionTemplate(2), InstructionTemplate(3)};

// The pictures carry words, so each language has its own set.
QString InstructionBackground(int step) {
    return FormatString(u"%s\\Setup%d.bmp", isSimpChinese == 1 ? u"cn" : u"en", step);
}

}  // namespace

CInstructionPage::CInstructionPage(int step, WizardHost& host, QWidget* parent)
    : CWizardPage(TemplateIdOf(step), InstructionBackground(step), host, parent), step_(step) {
    RegisterDialogTemplate(kInstructionTemplates.at(static_cast<std::size_t>(step - kFirstStep)));
}

void CInstructionPage::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
}
