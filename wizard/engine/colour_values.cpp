#include "colour_values.h"

#include "quoted_split.h"

#include <algorithm>
#include <climits>

int ParseLeadingInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && QStringView(u" \t\n\v\f\r").contains(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int>(
        std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

int ParseColorTriplet(const QString& text, ColorRef& colour) {
    QStringList items;
    if (SplitQuoted(text, items, u',') != 3) {
        return 0;
    }
    const auto channel = [&items](int index) {
        return static_cast<ColorRef>(ParseLeadingInt(items[index])) & 0xFFu;
    };
    colour = channel(0) | channel(1) << 8 | channel(2) << 16;
    return 1;
}
