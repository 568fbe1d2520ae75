#include "quoted_split.h"

int FindFirstOf(const QString& text, int start, const QString& set) {
    if (start < 0) {
        return -1;
    }
    for (qsizetype i = start; i < text.size(); ++i) {
        if (set.contains(text[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int FindClosingQuote(const QString& text, QChar quote, int start) {
    if (start < 0) {
        return -1;
    }
    const QString quoteSet(quote);
    for (;;) {
        const int i = FindFirstOf(text, start, quoteSet);
        if (i <= 0 || text[i - 1] != u'\\') {
            return i;
        }
        start = i + 1;
    }
}

int SplitQuoted(const QString& text, QStringList& list, QChar separator) {
    if (text.isNull()) {
        return -1;
    }
    QString current;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == separator) {
            list.append(current);
            current.clear();
        } else if (c == u'\'' || c == u'"') {
            const int closing = FindClosingQuote(text, c, i + 1);
            if (closing < 0) {
                current += text.mid(i + 1);
                list.append(current);
                return static_cast<int>(list.size());
            }
            current += text.mid(i + 1, closing - i - 1);
            i = closing;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) {
        list.append(current);
    }
    return static_cast<int>(list.size());
}
