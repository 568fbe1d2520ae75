// printf-style formatting of wide text into a QString.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <variant>

// Formatted texts are cut here, like the fixed buffer they always lived in.
inline constexpr int kFormatLimitChars = 1022;

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
