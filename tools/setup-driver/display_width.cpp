#include "display_width.h"

#include <QChar>
#include <QList>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The East Asian Wide and Fullwidth blocks (Unicode UAX #11) a terminal
// draws two columns wide.
constexpr std::array<std::pair<char32_t, char32_t>, 13> kWideRanges{{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
}};

int CodePointWidth(char32_t c) {
    const auto category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || c == 0x200B) {
        return 0;
    }
    const bool wide = std::any_of(kWideRanges.begin(), kWideRanges.end(),
                                  [c](const auto& range) { return c >= range.first && c <= range.second; });
    return wide ? 2 : 1;
}

}  // namespace

int DisplayWidth(const QString& text) {
    int width = 0;
    for (const uint c : text.toUcs4()) {
        width += CodePointWidth(c);
    }
    return width;
}

QString PadToDisplayWidth(const QString& text, int columns) {
    return text + QString(std::max(columns - DisplayWidth(text), 0), u' ');
}
