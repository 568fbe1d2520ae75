#include "dialog_template.h"

#include <QHash>

namespace {

QHash<int, const DialogTemplate*>& Registry() {
    static QHash<int, const DialogTemplate*> registry;
    return registry;
}

}  // namespace

const ControlTemplate* FindControlTemplate(const DialogTemplate& dialog, int controlId) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == controlId) {
            return &control;
        }
    }
    return nullptr;
}

void RegisterDialogTemplate(const DialogTemplate& dialog) {
    Registry().insert(dialog.id, &dialog);
}

const DialogTemplate* FindDialogTemplate(int templateId) {
    return Registry().value(templateId, nullptr);
}
