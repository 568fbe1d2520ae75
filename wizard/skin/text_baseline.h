// Labels side by side whose texts sit on one line. Each QLabel places its
// first line's baseline at its own font's ascent, and a line with Chinese
// characters takes the taller ascent of the fallback font that draws them:
// a Chinese caption then sits a few pixels below the Latin value beside it.
#pragma once

#include <QFont>
#include <QString>

class QLabel;

// Pixels from the top of the first line to its baseline, as a label draws
// text in font (with whatever fallback fonts its characters need).
int FirstLineAscent(const QString& text, const QFont& font);

// Moves the text of whichever of the two top-aligned labels has the smaller
// ascent down by the difference (its top margin), so both baselines meet.
void AlignLabelBaselines(QLabel& first, QLabel& second);
