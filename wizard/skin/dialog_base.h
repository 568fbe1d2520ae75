// A dialog built from a template: the controls of its table are created and
// found by id, it runs as a window of its own (modal or not) or as a child page
// inside another window, and it answers Enter and Escape like a dialog.
#pragma once

#include "dialog_template.h"

#include <QDialog>
#include <QHash>

class QKeyEvent;

class CDialogBase : public QDialog {
    Q_OBJECT

public:
    // The template must be registered (RegisterDialogTemplate) by the time
    // Create runs. A dialog whose template is a child one and that has a
    // parent becomes a child widget of that parent.
    CDialogBase(int templateId, QWidget* parent);

    int TemplateId() const { return templateId_; }

    // Builds the controls, runs OnCreate and then OnInitDialog, once. False
    // when the template is unknown or OnCreate refuses.
    bool Create();
    bool IsCreated() const { return created_; }

    // Creates the dialog if needed and runs it modally; the result EndDialog
    // gave, or -1 when it could not be created.
    int DoModal();

    // Ends a modal run with result; hides a modeless dialog.
    void EndDialog(int result);

    // The control with that template id, or null.
    QWidget* GetDlgItem(int controlId) const { return controls_.value(controlId, nullptr); }
    template <typename Control>
    Control* Item(int controlId) const {
        return qobject_cast<Control*>(GetDlgItem(controlId));
    }

    // Pushes the dialog's data to its controls (false) or reads them back
    // (true); true when the values were accepted. Nothing to exchange here.
    virtual bool UpdateData(bool saveAndValidate);

    // Enter and Escape are swallowed instead of reaching the dialog's default
    // handling (windows that must not end on either key).
    void SetDiscardEnterEscape(bool discard) { discardEnterEscape_ = discard; }

protected:
    // After the controls exist and before initialisation: 0 to go on, -1 to
    // refuse creation.
    virtual int OnCreate();
    virtual bool OnInitDialog();
    // The OK (Enter on the default button, id 1) and Cancel (Escape) commands.
    virtual void OnOK();
    virtual void OnCancel();

    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    QWidget* DefaultButton() const;

    int templateId_;
    bool created_ = false;
    bool discardEnterEscape_ = false;
    QHash<int, QWidget*> controls_;
};
