#include "window_owner.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Lifts the box again when its owner comes to the front while the box is
// shown: a window manager without transient stacking would otherwise leave
// a modal box behind the window it blocks, and the program would look frozen.
class OwnerWatch : public QObject {
public:
    static constexpr const char* kName = "qelvane-owner-watch";

    OwnerWatch(QWidget& box, QWidget& owner) : QObject(&box), box_(box) {
        setObjectName(QLatin1String(kName));
        owner.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && box_.isVisible()) {
            box_.raise();
            box_.activateWindow();
        }
        return false;
    }

private:
    QWidget& box_;
};

bool CanOwn(const QWidget* candidate, const QWidget& window) {
    if (candidate == nullptr || candidate == &window || !candidate->isVisible()) {
        return false;
    }
    const Qt::WindowType type = candidate->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

int Clamped(int start, int length, int areaStart, int areaLength) {
    if (areaLength <= 0 || length > areaLength) {
        return start;
    }
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QPoint CentredOn(const QRect& owner, const QSize& window, const QRect& screen) {
    const QPoint centred(owner.x() + (owner.width() - window.width()) / 2,
                         owner.y() + (owner.height() - window.height()) / 2);
    if (screen.isEmpty()) {
        return centred;
    }
    return {Clamped(centred.x(), window.width(), screen.x(), screen.width()),
            Clamped(centred.y(), window.height(), screen.y(), screen.height())};
}

QWidget* OwnerWindowFor(const QWidget& window) {
    for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (CanOwn(candidate, window)) {
            return candidate->window();
        }
    }
    // Nothing active (no window manager, or a compositor that has not given
    // the wizard the focus yet): the one window on show.
    QWidget* found = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (CanOwn(candidate, window) && candidate->windowType() != Qt::Tool) {
            if (found != nullptr) {
                return nullptr;
            }
            found = candidate;
        }
    }
    return found;
}

QWidget* KeepWithOwner(QWidget& window) {
    QWidget* owner = OwnerWindowFor(window);
    if (owner == nullptr || !window.isWindow()) {
        return nullptr;
    }
    window.winId();  // the window system's window, to hang the owner on
    if (QWindow* handle = window.windowHandle(); handle != nullptr && owner->windowHandle() != nullptr) {
        handle->setTransientParent(owner->windowHandle());
    }
    const QScreen* screen = owner->screen();
    window.move(CentredOn(owner->frameGeometry(), window.frameGeometry().size(),
                          screen != nullptr ? screen->availableGeometry() : QRect()));
    // A box run more than once keeps its first watch (which stays with it).
    if (window.findChild<QObject*>(QLatin1String(OwnerWatch::kName), Qt::FindDirectChildrenOnly) == nullptr) {
        new OwnerWatch(window, *owner);
    }
    return owner;
}

void ReturnFocusTo(QWidget* owner) {
    if (owner != nullptr && owner->isVisible()) {
        owner->activateWindow();
    }
}
