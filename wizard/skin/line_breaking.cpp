#include "line_breaking.h"

#include <QStringView>

#include <vector>

namespace {

bool IsCjk(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFFEF);
}

// Marks that belong to the character before them and may not start a line.
bool IsClosingPunctuation(QChar c) {
    static const QString kClosing = QStringLiteral("，。、．：；！？）」』】〉》〕～…·％,.:;!?)]}%");
    return kClosing.contains(c);
}

bool IsOpeningPunctuation(QChar c) {
    static const QString kOpening = QStringLiteral("（「『【〈《〔");
    return kOpening.contains(c);
}

// True when a line may end between text[i - 1] and text[i].
bool MayBreakBefore(QStringView text, qsizetype i) {
    const QChar before = text[i - 1];
    const QChar after = text[i];
    if (after.isLowSurrogate() || after.isSpace()) {
        return false;
    }
    if (before.isSpace()) {
        return true;
    }
    if (IsClosingPunctuation(after) || IsOpeningPunctuation(before)) {
        return false;
    }
    return IsCjk(before) || IsCjk(after);
}

// Pieces that never split, each with the spaces that follow it.
QStringList Pieces(QStringView paragraph) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 1; i < paragraph.size(); ++i) {
        if (MayBreakBefore(paragraph, i)) {
            pieces << paragraph.mid(start, i - start).toString();
            start = i;
        }
    }
    if (start < paragraph.size()) {
        pieces << paragraph.mid(start).toString();
    }
    return pieces;
}

QString Joined(const std::vector<QString>& pieces, size_t from, size_t to) {
    QString line;
    for (size_t i = from; i < to; ++i) {
        line += pieces[i];
    }
    // Trailing spaces take no room at a line's end.
    while (!line.isEmpty() && line.back().isSpace()) {
        line.chop(1);
    }
    return line;
}

// A line of one CJK character and whatever punctuation clings to it.
bool IsLoneCjkCharacter(const QString& line) {
    if (line.isEmpty() || !IsCjk(line.front()) || IsClosingPunctuation(line.front())) {
        return false;
    }
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (!IsClosingPunctuation(line[i])) {
            return false;
        }
    }
    return true;
}

void BreakParagraph(QStringView paragraph, const QFontMetrics& metrics, int width, QStringList& lines) {
    const QStringList split = Pieces(paragraph);
    const std::vector<QString> pieces(split.begin(), split.end());
    std::vector<size_t> starts;  // the first piece of each line
    size_t start = 0;
    while (start < pieces.size()) {
        size_t end = start + 1;
        while (end < pieces.size() && metrics.horizontalAdvance(Joined(pieces, start, end + 1)) <= width) {
            ++end;
        }
        starts.push_back(start);
        start = end;
    }
    if (starts.size() >= 2) {
        const size_t last = starts.back();
        const size_t previous = starts[starts.size() - 2];
        if (IsLoneCjkCharacter(Joined(pieces, last, pieces.size())) && last - previous >= 2) {
            starts.back() = last - 1;
        }
    }
    if (starts.empty()) {
        lines << QString();
        return;
    }
    starts.push_back(pieces.size());
    for (size_t line = 0; line + 1 < starts.size(); ++line) {
        lines << Joined(pieces, starts[line], starts[line + 1]);
    }
}

}  // namespace

QStringList BreakMessageLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        BreakParagraph(paragraph, metrics, width, lines);
    }
    return lines;
}
