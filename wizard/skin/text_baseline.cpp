#include "text_baseline.h"

#include <QLabel>
#include <QTextLayout>

#include <cmath>

int FirstLineAscent(const QString& text, const QFont& font) {
    QTextLayout layout(text.section(u'\n', 0, 0), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    const int ascent = line.isValid() ? static_cast<int>(std::lround(line.ascent())) : 0;
    layout.endLayout();
    return ascent;
}

void AlignLabelBaselines(QLabel& first, QLabel& second) {
    const int difference =
        FirstLineAscent(first.text(), first.font()) - FirstLineAscent(second.text(), second.font());
    first.setContentsMargins(0, difference < 0 ? -difference : 0, 0, 0);
    second.setContentsMargins(0, difference > 0 ? difference : 0, 0, 0);
}
