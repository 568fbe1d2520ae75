// Colours as the settings file writes them: "red,green,blue".
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// A Win32 COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;

// The leading integer of text the way C's atoi reads it (leading blanks, an
// optional sign, digits; no digits give 0). Out-of-range values are clamped
// to the int range so that a long digit string never wraps around.
int ParseLeadingInt(QStringView text);

// "red,green,blue" into a COLORREF; 1 when the text held three items, else 0
// (and colour untouched). Each number keeps its low 8 bits.
int ParseColorTriplet(const QString& text, ColorRef& colour);
