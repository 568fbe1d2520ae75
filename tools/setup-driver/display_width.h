// Text laid out in a terminal's columns: East Asian wide and full-width
// characters take two columns, combining marks none.
#pragma once

#include <QString>

int DisplayWidth(const QString& text);

// text followed by blanks up to `columns` display columns (never cut).
QString PadToDisplayWidth(const QString& text, int columns);
