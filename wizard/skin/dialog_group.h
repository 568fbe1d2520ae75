// Dialog groups among the children of one parent, in creation order: a group
// starts at a control marked with SetGroupStart (or at the first child) and
// runs up to the next marked control.
#pragma once

class QWidget;

// The next (or previous) control of control's group, wrapping within the
// group and skipping controls that are hidden or disabled; control itself
// when no other qualifies; null without a parent.
QWidget* GetNextDlgGroupItem(QWidget* control, bool previous);
