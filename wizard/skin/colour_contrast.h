// Contrast of text against its background as the accessibility guidelines
// measure it (WCAG 2): readable text needs a ratio of at least 4.5 to 1.
#pragma once

#include <QColor>

inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour: 0 for black, 1 for white.
double RelativeLuminance(const QColor& colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& first, const QColor& second);
