// Every control that a dialog template creates carries its template id, the
// way dialog items are found by id.
#pragma once

#include <QVariant>
#include <QWidget>

inline constexpr char kControlIdProperty[] = "qelvaneControlId";

inline void SetControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

// 0 for a widget that no template created.
inline int ControlId(const QWidget* control) {
    return control == nullptr ? 0 : control->property(kControlIdProperty).toInt();
}

// A dialog group runs from a control marked as its start up to the next such
// control among the parent's children; radio buttons uncheck each other and
// arrow keys move within one group.
inline constexpr char kGroupStartProperty[] = "qelvaneGroupStart";

inline void SetGroupStart(QWidget* control, bool start) {
    control->setProperty(kGroupStartProperty, start);
}

inline bool IsGroupStart(const QWidget* control) {
    return control != nullptr && control->property(kGroupStartProperty).toBool();
}
