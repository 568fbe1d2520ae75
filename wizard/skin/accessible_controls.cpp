#include "accessible_controls.h"

#include "reader_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace {

QAccessibleInterface* SkinAccessibleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("CHwStatic")) {
        return new StaticTextAccessible(widget);
    }
    if (className == QLatin1String("CHwDisplayPic")) {
        return new PictureAccessible(widget);
    }
    if (className == QLatin1String("QComboBox")) {
        return new DropListAccessible(widget);
    }
    return nullptr;
}

}  // namespace

StaticTextAccessible::StaticTextAccessible(QWidget* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

void* StaticTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString StaticTextAccessible::Shown() const {
    return PlainText(static_cast<const QLabel*>(widget())->text());
}

QString StaticTextAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? ReaderText(Shown()) : name;
    }
    if (t == QAccessible::Value) {
        return Shown();
    }
    return QAccessibleWidget::text(t);
}

void ReadOnlyTextInterface::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyTextInterface::text(int startOffset, int endOffset) const {
    const QString shown = Shown();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
    endOffset = endOffset < 0 ? static_cast<int>(shown.size())
                              : std::clamp(endOffset, startOffset, static_cast<int>(shown.size()));
    return shown.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextInterface::characterCount() const {
    return static_cast<int>(Shown().size());
}

QRect ReadOnlyTextInterface::characterRect(int /*offset*/) const {
    // A reader asks this to show where it is; the whole control is near enough.
    return Area();
}

int ReadOnlyTextInterface::offsetAtPoint(const QPoint& /*point*/) const {
    return 0;
}

QString ReadOnlyTextInterface::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}

PictureAccessible::PictureAccessible(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

QAccessible::State PictureAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (widget()->accessibleName().isEmpty()) {
        state.invisible = true;
    }
    return state;
}

DropListAccessible::DropListAccessible(QWidget* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

void* DropListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString DropListAccessible::Shown() const {
    return static_cast<const QComboBox*>(widget())->currentText();
}

QString DropListAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return Shown();
    }
    // The accessible name, or the text of the label it is the buddy of.
    return QAccessibleWidget::text(t);
}

QAccessible::State DropListAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const auto* list = static_cast<const QComboBox*>(widget());
    state.expandable = true;
    state.expanded = list->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

QAccessibleInterface* DropListAccessible::Popup() const {
    return QAccessible::queryAccessibleInterface(static_cast<const QComboBox*>(widget())->view());
}

int DropListAccessible::childCount() const {
    return Popup() != nullptr ? 1 : 0;
}

QAccessibleInterface* DropListAccessible::child(int index) const {
    return index == 0 ? Popup() : nullptr;
}

int DropListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == Popup() ? 0 : -1;
}

QStringList DropListAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void DropListAccessible::doAction(const QString& actionName) {
    auto* list = static_cast<QComboBox*>(widget());
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (list->view()->isVisible()) {
            list->hidePopup();
        } else {
            list->showPopup();
        }
    }
}

void InstallSkinAccessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(SkinAccessibleFactory);
    }
}
