// Splitting a text at a separator, with quotes grouping text that holds it.
#pragma once

#include <QString>
#include <QStringList>

// Index of the first character at or after start that is in set; -1 when
// there is none or start is negative.
int FindFirstOf(const QString& text, int start, const QString& set);

// Index of the next quote at or after start that is not preceded by a
// backslash; -1 when there is none.
int FindClosingQuote(const QString& text, QChar quote, int start);

// Appends the items of text, split at separator, to list; apostrophes and
// double quotes group text that may hold the separator. Returns the list's
// size afterwards, or -1 for a null text.
int SplitQuoted(const QString& text, QStringList& list, QChar separator);
