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
