// Names a screen reader says for what the dialogs show: the captions beside
// the fields name them (a drop-down list would otherwise go by its current
// value, an address field's boxes by a bare number), and a window goes by its
// title.
#pragma once

#include <QString>

class CDialogBase;
class QWidget;

// Every drop-down list, address field and captionless check box of the
// dialog that a label names (the builder made the label its buddy) takes the
// label's text as its name; a name given before is kept.
void NameFieldsByLabels(QWidget& dialog);

// The first label of the dialog's template, in template order, that shows
// some text and is not skipId, as one line; empty when there is none.
QString FirstCaption(const CDialogBase& dialog, int skipId);

// A label's text as a reader reads it: markup removed.
QString PlainText(const QString& shown);
// The same as a name: blanks and line breaks folded into single spaces.
QString ReaderText(const QString& shown);
