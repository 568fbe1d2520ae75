// Path and string helpers shared by the whole wizard: the program directory,
// printf-style formatting of wide text, quote-aware splitting and the
// "r,g,b" colour values of setting.ini. GUI-free (QtCore only).
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <variant>

// A Win32 COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;

// Formatted texts are cut here, like the fixed buffer they always lived in.
inline constexpr int kFormatLimitChars = 1022;

// The running program's directory with its trailing separator. Computed once,
// on first use, from any thread; never changes afterwards.
QString GetModuleDir();

// The directory part of an executable path, separator included; a path
// without any separator is returned whole.
QString ModuleDirFromExecutablePath(const QString& executablePath);

// Paths are written with backslashes throughout the program; this turns them
// into the platform's separators. Call it where a file is opened.
QString NativePath(const QString& path);

// One argument of FormatString: text or an integer, never a raw pointer that
// the formatter would have to guess the type of.
class FormatArgument {
public:
    FormatArgument(const QString& text) : value_(text) {}
    FormatArgument(QStringView text) : value_(text.toString()) {}
    FormatArgument(const char16_t* text) : value_(QString::fromUtf16(text)) {}
    FormatArgument(const wchar_t* text) : value_(QString::fromWCharArray(text)) {}
    template <std::integral T>
    FormatArgument(T number)
        : value_(Integer{ToBits(number), std::is_signed_v<T>, static_cast<int>(sizeof(T))}) {}

    struct Integer {
        std::uint64_t bits;  // the value as the argument's own width holds it
        bool isSigned;
        int bytes;
    };
    const QString* Text() const { return std::get_if<QString>(&value_); }
    const Integer* Number() const { return std::get_if<Integer>(&value_); }

private:
    template <std::integral T>
    static std::uint64_t ToBits(T number) {
        return static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(number));
    }
    std::variant<QString, Integer> value_;
};

QString FormatStringFromList(QStringView format, std::span<const FormatArgument> arguments);

// printf-style formatting with %s, %d, %i, %u, %x, %X, %o, %c and %%, flags
// "-+ #0", width and precision (digits or *). The argument's own type decides
// how it prints: a text for %d prints as text, a number for %s as decimal.
// The result is cut to kFormatLimitChars characters.
template <typename... Arguments>
QString FormatString(QStringView format, const Arguments&... arguments) {
    const std::array<FormatArgument, sizeof...(Arguments)> list{FormatArgument(arguments)...};
    return FormatStringFromList(format, list);
}

// Index of the first character at or after start that is in set; -1 when
// there is none or start is negative.
int FindFirstOf(const QString& text, int start, const QString& set);

// Index of the next quote at or after start that is not preceded by a
// backslash; -1 when there is none.
int FindClosingQuote(const QString& text, QChar quote, int start);

// Appends the items of text, split at separator, to list; apostrophes and
// double quotes group text that may hold the separator. Returns the list's
// size afterwards, or -1 for a null text.
int SplitQuoted(const QString& text, QStringList& list, QChar separator);

// The leading integer of text the way C's atoi reads it (leading blanks, an
// optional sign, digits; no digits give 0). Out-of-range values are clamped
// to the int range so that a long digit string never wraps around.
int ParseLeadingInt(QStringView text);

// "red,green,blue" into a COLORREF; 1 when the text held three items, else 0
// (and colour untouched). Each number keeps its low 8 bits.
int ParseColorTriplet(const QString& text, ColorRef& colour);
