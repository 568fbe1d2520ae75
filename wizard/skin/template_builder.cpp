#include "template_builder.h"

#include "control_id.h"
#include "dialog_units.h"
#include "drop_list_style.h"
#include "hw_button_kinds.h"
#include "hw_display_pic.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "ip_address_ctrl.h"
#include "skin_font.h"

#include <QComboBox>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

Qt::Alignment HorizontalAlignment(std::uint32_t style) {
    if ((style & kStyleRightAligned) != 0) {
        return Qt::AlignRight;
    }
    return (style & kStyleCentred) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent) {
    auto* label = new CHwStatic(parent);
    label->setText(control.caption.toString());
    label->setAlignment(HorizontalAlignment(control.style) | Qt::AlignTop);
    label->setWordWrap((control.style & kStyleSingleLine) == 0);
    return label;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent) {
    auto* edit = new CHwEdit(parent);
    edit->setText(control.caption.toString());
    edit->setAlignment(HorizontalAlignment(control.style) | Qt::AlignVCenter);
    edit->setReadOnly((control.style & kStyleReadOnly) != 0);
    if (control.textLimit > 0) {
        edit->setMaxLength(control.textLimit);
    }
    if ((control.style & kStyleDigitsOnly) != 0) {
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
    }
    return edit;
}

QWidget* MakeChkRadio(const ControlTemplate& control, QWidget* parent) {
    auto* box = new CHwBtn_ChkRadio(parent);
    box->SetKind(control.kind == ControlKind::Radio ? CHwBtn_ChkRadio::kKindRadio
                                                    : CHwBtn_ChkRadio::kKindCheckBox);
    box->setText(control.caption.toString());
    return box;
}

template <typename Button>
QWidget* MakeButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new Button(parent);
    button->setText(control.caption.toString());
    return button;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Static:
            return MakeStatic(control, parent);
        case ControlKind::Picture:
            return new CHwDisplayPic(parent);
        case ControlKind::Button:
            return MakeButton<CHwBtn_Pic>(control, parent);
        case ControlKind::Hotspot:
            return MakeButton<CHwBtn_Hotspot>(control, parent);
        case ControlKind::CheckBox:
        case ControlKind::Radio:
            return MakeChkRadio(control, parent);
        case ControlKind::Edit:
            return MakeEdit(control, parent);
        case ControlKind::DropList: {
            auto* list = new QComboBox(parent);
            list->setFont(DialogTemplateFont());
            list->setStyle(DropListStyle());
            return list;
        }
        case ControlKind::IpAddress:
            return new CIpAddressCtrl(parent);
    }
    return nullptr;
}

// A label on its field's row takes the field's height and centres its text
// on it, as the field centres its own: drawn from the top of a shorter box,
// the caption sat above the field's text, and a Chinese one lost its foot.
void AlignLabelWithField(CHwStatic& label, const QRect& field) {
    QRect rect = label.geometry();
    rect.setHeight(std::max(rect.height(), field.height()));
    label.setGeometry(rect);
    label.setAlignment((label.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

bool TakesInput(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::DropList || kind == ControlKind::IpAddress ||
           kind == ControlKind::CheckBox;
}

}  // namespace

QHash<int, QWidget*> BuildControls(const DialogTemplate& dialog, QWidget* parent) {
    QHash<int, QWidget*> controls;
    CHwStatic* lastLabel = nullptr;
    const ControlTemplate* lastLabelTemplate = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent);
        if (widget == nullptr) {
            continue;
        }
        SetControlId(widget, control.id);
        SetGroupStart(widget, (control.style & kStyleGroupStart) != 0);
        QRect rect = DialogUnitsToPixels(control.x, control.y, control.width, control.height);
        if (control.kind == ControlKind::DropList) {
            // A drop-down list's template height is that of the list when it
            // is open; closed, the box is one line high.
            rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
        }
        widget->setGeometry(rect);
        widget->setEnabled((control.style & kStyleDisabled) == 0);
        widget->setVisible((control.style & kStyleHidden) == 0);
        if (control.kind == ControlKind::Static) {
            lastLabel = static_cast<CHwStatic*>(widget);
            lastLabelTemplate = &control;
        } else if (TakesInput(control.kind) && lastLabel != nullptr) {
            // A label names the field after it, for screen readers.
            lastLabel->setBuddy(widget);
            if (lastLabelTemplate->y == control.y) {
                AlignLabelWithField(*lastLabel, rect);
            }
            lastLabel = nullptr;
        }
        controls.insert(control.id, widget);
    }
    return controls;
}
