#include "keyboard_cues.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

bool cuesShown = false;

// Sees every key press before its target does; one per application object.
class KeyboardWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!cuesShown && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
            SetKeyboardCuesShown(true);
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<KeyboardWatch> watch;

}  // namespace

bool KeyboardCuesShown() {
    return cuesShown;
}

void SetKeyboardCuesShown(bool shown) {
    cuesShown = shown;
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->update();
    }
}

void WatchKeyboardForFocusCues() {
    QCoreApplication* app = QCoreApplication::instance();
    if (watch != nullptr || app == nullptr) {
        return;
    }
    watch = new KeyboardWatch(app);
    app->installEventFilter(watch);
}
