#include "reader_names.h"

#include "dialog_base.h"
#include "dialog_template.h"
#include "hw_button_kinds.h"
#include "ip_address_ctrl.h"

#include <QComboBox>
#include <QLabel>
#include <QTextDocument>

QString PlainText(const QString& shown) {
    if (!Qt::mightBeRichText(shown)) {
        return shown;
    }
    QTextDocument document;
    document.setHtml(shown);
    return document.toPlainText();
}

QString ReaderText(const QString& shown) {
    return PlainText(shown).simplified();
}

void NameFieldsByLabels(QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QWidget* field = label->buddy();
        const QString name = ReaderText(label->text());
        if (field == nullptr || name.isEmpty() || !field->accessibleName().isEmpty()) {
            continue;
        }
        if (auto* address = qobject_cast<CIpAddressCtrl*>(field)) {
            address->SetFieldName(name);
        } else if (qobject_cast<QComboBox*>(field) != nullptr) {
            field->setAccessibleName(name);
        } else if (auto* box = qobject_cast<CHwBtn_ChkRadio*>(field);
                   box != nullptr && box->text().isEmpty()) {
            field->setAccessibleName(name);
        }
    }
}

QString FirstCaption(const CDialogBase& dialog, int skipId) {
    const DialogTemplate* table = FindDialogTemplate(dialog.TemplateId());
    if (table == nullptr) {
        return QString();
    }
    for (const ControlTemplate& control : table->controls) {
        if (control.kind != ControlKind::Static || control.id == skipId) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(dialog.GetDlgItem(control.id))) {
            if (const QString text = ReaderText(label->text()); !text.isEmpty()) {
                return text;
            }
        }
    }
    return QString();
}
