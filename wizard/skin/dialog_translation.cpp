#include "dialog_translation.h"

#include "dialog_base.h"
#include "language_table.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace {

const CLanguageTable* programTable = nullptr;

template <typename Control>
bool TranslateCaptionOf(const CLanguageTable& table, QObject* child) {
    auto* control = qobject_cast<Control*>(child);
    if (control == nullptr) {
        return false;
    }
    control->setText(TranslateCaption(table, control->text()));
    return true;
}

}  // namespace

void TranslateDialog(const CLanguageTable& table, CDialogBase& dialog) {
    for (QObject* child : dialog.children()) {
        TranslateCaptionOf<QAbstractButton>(table, child) || TranslateCaptionOf<QLabel>(table, child) ||
            TranslateCaptionOf<QLineEdit>(table, child);
    }
    dialog.UpdateData(false);
}

void SetProgramLanguageTable(const CLanguageTable* table) {
    programTable = table;
}

const CLanguageTable* ProgramLanguageTable() {
    return programTable;
}
