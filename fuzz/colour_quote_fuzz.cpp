// The colour and quote helpers over any text: ParseLeadingInt reads what C's
// strtol reads (clamped to int), a colour has no bits above blue, a failed
// parse leaves the colour alone, the search helpers return what they promise,
// and text without quotes splits like a plain split.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colour_values.h"
#include "fuzz_check.h"
#include "quoted_split.h"

namespace {

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 128; });
}

void CheckLeadingInt(const std::string& bytes, const QString& text) {
    if (!IsAscii(bytes)) {
        return;
    }
    errno = 0;
    const long long c = std::strtoll(bytes.c_str(), nullptr, 10);
    const long long expected =
        std::clamp(c, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX));
    FuzzCheck(ParseLeadingInt(text) == expected, "ParseLeadingInt reads like strtol, clamped");
}

void CheckColour(const QString& text) {
    constexpr ColorRef kUntouched = 0xA5A5A5A5u;
    ColorRef colour = kUntouched;
    QStringList items;
    const bool threeItems = SplitQuoted(text, items, u',') == 3;
    FuzzCheck(ParseColorTriplet(text, colour) == (threeItems ? 1 : 0), "a colour is three items");
    FuzzCheck(threeItems ? colour <= 0xFFFFFFu : colour == kUntouched, "a colour is 0x00BBGGRR or untouched");
}

void CheckSearches(const QString& text, int start, const QString& set) {
    const int found = FindFirstOf(text, start, set);
    if (found >= 0) {
        FuzzCheck(found >= start && set.contains(text[found]), "FindFirstOf finds a member");
        for (int i = start; i < found; ++i) FuzzCheck(!set.contains(text[i]), "FindFirstOf finds the first");
    } else if (start >= 0) {
        for (qsizetype i = start; i < text.size(); ++i)
            FuzzCheck(!set.contains(text[i]), "FindFirstOf misses none");
    }
    const int quote = FindClosingQuote(text, u'"', start);
    if (quote >= 0) {
        FuzzCheck(quote >= start && text[quote] == u'"' && (quote == 0 || text[quote - 1] != u'\\'),
                  "FindClosingQuote finds an unescaped quote");
    }
}

void CheckPlainSplit(const QString& text) {
    if (text.contains(u'"') || text.contains(u'\'')) {
        return;
    }
    QStringList items(QStringLiteral("before"));
    QStringList expected = text.split(u',');
    if (expected.back().isEmpty()) {
        expected.removeLast();  // the last item counts only when it holds text
    }
    FuzzCheck(SplitQuoted(text, items, u',') == 1 + expected.size(), "SplitQuoted returns the list size");
    FuzzCheck(items.mid(1) == expected, "text without quotes splits like a plain split");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromStdString(bytes);
    CheckLeadingInt(bytes, text);
    CheckColour(text);
    const int start = size == 0 ? 0 : static_cast<int>(data[0] % 8) - 1;
    CheckSearches(text, start, QStringLiteral("\",;"));
    CheckPlainSplit(text);
    return 0;
}
