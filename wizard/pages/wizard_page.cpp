#include "wizard_page.h"

#include "dialog_translation.h"
#include "hw_static.h"
#include "language_keys.h"
#include "message_box.h"
#include "qelvane_app.h"
#include "skin_path.h"
#include "reader_names.h"
#include "skin_font.h"
#include "wizard_host.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <chrono>

namespace {

// How long a window that lost the front to a message box may take to get it
// back.
constexpr std::chrono::milliseconds kActivationWait{2000};

// Moves the focus to a field once its window was activated again, after Qt's
// own focus handling for the activation.
class FocusAfterActivation : public QObject {
public:
    explicit FocusAfterActivation(QWidget& field) : QObject(&field), field_(&field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            QTimer::singleShot(0, field_, [field = field_] {
                if (field != nullptr && field->isVisible()) {
                    field->setFocus(Qt::TabFocusReason);
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> field_;
};

}  // namespace

CWizardPage::CWizardPage(int templateId, QStringView backgroundFile, WizardHost& host, QWidget* parent)
    : CPolygonDialog(templateId, parent), host_(host) {
    SetBackground(SkinFilePath(host.App().ProgramDir(), backgroundFile), kSkinKeyColour);
    // Pages do not move the main window: only its own face drags it.
    SetDraggable(false);
}

bool CWizardPage::PageCheck() {
    return true;
}

CQelvaneApp& CWizardPage::App() {
    return host_.App();
}

const CLanguageTable& CWizardPage::Language() {
    return host_.App().languageTable;
}

QString CWizardPage::Lookup(const QString& key) {
    return Language().Lookup(key);
}

void CWizardPage::ShowWarning(const QString& key, std::span<const WarningField> fields) {
    ::ShowWarning(App(), key);
    for (const WarningField& field : fields) {
        if (field.key == key) {
            if (QWidget* control = GetDlgItem(field.controlId)) {
                FocusOnReturn(*control);
            }
            return;
        }
    }
}

void CWizardPage::FocusOnReturn(QWidget& control) {
    // As Tab would: the text selected, so typing replaces it.
    control.setFocus(Qt::TabFocusReason);
    // When the box has just closed, the window comes to the front again, and
    // as it does Qt gives the focus back to the control that had it before
    // the box (the window system may activate it more than once while the
    // box goes). The field takes it again after each activation in the short
    // while that takes; then the watch ends, so it never acts on a later one.
    auto* watch = new FocusAfterActivation(control);
    control.window()->installEventFilter(watch);
    QTimer::singleShot(kActivationWait, watch, &QObject::deleteLater);
}

bool CWizardPage::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    if (auto* number = Item<CHwStatic>(kIdStepNumber)) {
        number->SetTextFont(30, GetSkinFontName(), true, true, false, 0);
        // Centred on the box the background draws for it: drawn from the
        // top, the number's first pixels rose above the box.
        number->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    StylePage();
    TranslateDialog(Language(), *this);
    AfterTranslation();
    NameFieldsByLabels(*this);
    return true;
}

void CWizardPage::showEvent(QShowEvent* event) {
    setAccessibleName(FirstCaption(*this, kIdStepNumber));
    CPolygonDialog::showEvent(event);
}

void ShowWarning(CQelvaneApp& app, const QString& key) {
    const CLanguageTable& table = app.languageTable;
    ShowMessageBox(app.ProgramDir(), kMessageWarning, table.Lookup(lang::kWarningTitle.toString()),
                   table.Lookup(key));
}
