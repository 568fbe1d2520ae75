#include "dialog_group.h"

#include "control_id.h"

#include <QList>
#include <QWidget>

QWidget* GetNextDlgGroupItem(QWidget* control, bool previous) {
    QWidget* parent = control == nullptr ? nullptr : control->parentWidget();
    if (parent == nullptr) {
        return nullptr;
    }
    QList<QWidget*> items;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && !widget->isWindow()) {
            items.append(widget);
        }
    }
    const auto at = items.indexOf(control);
    if (at < 0) {
        return nullptr;
    }
    auto start = at;
    while (start > 0 && !IsGroupStart(items[start])) {
        --start;
    }
    auto end = at + 1;
    while (end < items.size() && !IsGroupStart(items[end])) {
        ++end;
    }
    const auto size = end - start;
    for (qsizetype step = 1; step < size; ++step) {
        const auto offset = (at - start + (previous ? size - step : step)) % size;
        QWidget* candidate = items[start + offset];
        if (candidate->isVisibleTo(parent) && candidate->isEnabledTo(parent)) {
            return candidate;
        }
    }
    return control;
}
