// Turns a dialog template into widgets: one control per table row, placed at
// its rectangle converted from dialog units, in table order (which is also
// the Tab order), each tagged with its id.
#pragma once

#include "dialog_template.h"

#include <QHash>

class QWidget;

// Creates the controls of dialog as children of parent; the map finds each
// by id. Labels become the buddies of the fields that follow them, so a
// screen reader names a field by its label.
QHash<int, QWidget*> BuildControls(const DialogTemplate& dialog, QWidget* parent);
