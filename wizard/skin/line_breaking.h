// Where a message's lines end. Qt's own wrapping may end a line after any ':'
// or '/', which splits a MAC or an address across lines, and it may leave the
// last character of a Chinese sentence alone on a line. Messages are short,
// so they are broken here, by rules a reader expects, and shown as lines.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <QStringList>

// The lines of text as metrics would draw them within width pixels. A line
// ends only at a space, at a line feed, or beside a CJK character (never
// before closing CJK punctuation such as "，" or "。", never after an opening
// one). A word, an address or a MAC is never split: one wider than width
// gets a line of its own. The last line never holds a single CJK character
// (with the punctuation that follows it) while the line before could give it
// company. Spaces at a line's end are dropped.
QStringList BreakMessageLines(const QString& text, const QFontMetrics& metrics, int width);
