#include "dialog_base.h"

#include "control_id.h"
#include "dialog_units.h"
#include "template_builder.h"
#include "window_owner.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>

namespace {

// The command ids of the standard buttons.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;  // also the result of Escape

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

CDialogBase::CDialogBase(int templateId, QWidget* parent) : QDialog(parent), templateId_(templateId) {}

bool CDialogBase::Create() {
    if (created_) {
        return true;
    }
    const DialogTemplate* dialog = FindDialogTemplate(templateId_);
    if (dialog == nullptr) {
        return false;
    }
    const QSize size = DialogUnitsToPixels(dialog->width, dialog->height);
    if (dialog->child && parentWidget() != nullptr) {
        // A page takes the size of the area its window gives it.
        setWindowFlags(Qt::Widget);
        resize(size);
    } else {
        // No caption: the skinned face is the whole window.
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        setFixedSize(size);
    }
    controls_ = BuildControls(*dialog, this);
    created_ = true;
    if (OnCreate() != 0) {
        return false;
    }
    OnInitDialog();
    return true;
}

int CDialogBase::DoModal() {
    if (!Create()) {
        return -1;
    }
    const QPointer<QWidget> owner = KeepWithOwner(*this);
    const int result = exec();
    ReturnFocusTo(owner);
    return result;
}

void CDialogBase::EndDialog(int result) {
    done(result);
}

bool CDialogBase::UpdateData(bool /*saveAndValidate*/) {
    return true;
}

int CDialogBase::OnCreate() {
    return 0;
}

bool CDialogBase::OnInitDialog() {
    return true;
}

void CDialogBase::OnOK() {
    if (UpdateData(true)) {
        EndDialog(kIdOk);
    }
}

void CDialogBase::OnCancel() {
    EndDialog(kIdCancel);
}

QWidget* CDialogBase::DefaultButton() const {
    const DialogTemplate* dialog = FindDialogTemplate(templateId_);
    if (dialog == nullptr) {
        return nullptr;
    }
    for (const ControlTemplate& control : dialog->controls) {
        if ((control.style & kStyleDefaultButton) != 0) {
            return GetDlgItem(control.id);
        }
    }
    return nullptr;
}

void CDialogBase::keyPressEvent(QKeyEvent* event) {
    const bool enter = IsEnter(event);
    const bool escape = event->key() == Qt::Key_Escape;
    if (!enter && !escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (discardEnterEscape_) {
        event->accept();
        return;
    }
    if (!isWindow()) {
        // A page leaves both keys to the window it sits in.
        event->ignore();
        return;
    }
    event->accept();
    if (escape) {
        OnCancel();
        return;
    }
    // Enter presses the focused button, else the default button, else OK.
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    if (focused == nullptr || !isAncestorOf(focused)) {
        focused = qobject_cast<QAbstractButton*>(DefaultButton());
    }
    if (focused != nullptr && focused->isVisible() && focused->isEnabled()) {
        focused->click();
    } else if (focused == nullptr) {
        OnOK();
    }
}

void CDialogBase::reject() {
    // QDialog routes Escape and the window's close box here; Escape was
    // handled above, so this is the close box.
    OnCancel();
}
