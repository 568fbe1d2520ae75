#include "format_string.h"

#include <algorithm>

namespace {

struct ConversionSpec {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;  // -1: none given
    QChar conversion;
};

bool IsSupportedConversion(QChar c) {
    return QStringView(u"sSdiuxXoc").contains(c);
}

QString Pad(const QString& body, const ConversionSpec& directive) {
    const int missing = directive.width - static_cast<int>(body.size());
    if (missing <= 0) {
        return body;
    }
    return directive.leftAlign ? body + QString(missing, u' ') : QString(missing, u' ') + body;
}

QString RenderText(QString text, const ConversionSpec& directive) {
    if (directive.precision >= 0 && directive.precision < text.size()) {
        text.truncate(directive.precision);
    }
    return Pad(text, directive);
}

QString RenderInteger(const FormatArgument::Integer& number, const ConversionSpec& directive) {
    const QChar conv = directive.conversion;
    const bool signedConversion = conv == u'd' || conv == u'i' || conv == u's' || conv == u'S';
    bool negative = false;
    std::uint64_t magnitude = number.bits;
    if (signedConversion && number.isSigned) {
        const int shift = 64 - 8 * number.bytes;
        const auto value = static_cast<std::int64_t>(number.bits << shift) >> shift;  // sign-extend
        negative = value < 0;
        magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    }
    const int base = (conv == u'x' || conv == u'X') ? 16 : (conv == u'o' ? 8 : 10);
    QString digits =
        (directive.precision == 0 && magnitude == 0) ? QString() : QString::number(magnitude, base);
    if (conv == u'X') {
        digits = digits.toUpper();
    }
    if (directive.precision > digits.size()) {
        digits.prepend(QString(directive.precision - digits.size(), u'0'));
    }
    QString prefix;
    if (signedConversion) {
        prefix = negative              ? QStringLiteral("-")
                 : directive.plusSign  ? QStringLiteral("+")
                 : directive.spaceSign ? QStringLiteral(" ")
                                       : QString();
    } else if (directive.alternate && magnitude != 0 && base == 16) {
        prefix = conv == u'X' ? QStringLiteral("0X") : QStringLiteral("0x");
    } else if (directive.alternate && base == 8 && !digits.startsWith(u'0')) {
        prefix = QStringLiteral("0");
    }
    const int missing = directive.width - static_cast<int>(prefix.size() + digits.size());
    if (missing > 0 && directive.zeroPad && !directive.leftAlign && directive.precision < 0) {
        return prefix + QString(missing, u'0') + digits;
    }
    return Pad(prefix + digits, directive);
}

QString RenderArgument(const FormatArgument* argument, const ConversionSpec& directive) {
    if (argument == nullptr) {
        return {};  // more conversions than arguments: print nothing for it
    }
    if (const QString* text = argument->Text()) {
        return RenderText(directive.conversion == u'c' ? text->left(1) : *text, directive);
    }
    const FormatArgument::Integer& number = *argument->Number();
    if (directive.conversion == u'c') {
        const auto code = static_cast<char32_t>(number.bits);
        return Pad(QString::fromUcs4(&code, 1), directive);
    }
    return RenderInteger(number, directive);
}

// Widths and precisions beyond this only add characters past the cut at
// kFormatLimitChars; bounding them keeps a count from an argument from
// allocating its own size, and a negative one from overflowing when negated.
constexpr int kCountLimit = 100000;

// Reads digits or a '*' (taking the next argument) at position i; the result
// lies within [-kCountLimit, kCountLimit].
int ReadCount(QStringView format, qsizetype& i, std::span<const FormatArgument> arguments,
              std::size_t& next) {
    if (i < format.size() && format[i] == u'*') {
        ++i;
        if (next < arguments.size() && arguments[next].Number() != nullptr) {
            const auto* number = arguments[next].Number();
            ++next;
            return std::clamp(static_cast<int>(static_cast<std::int32_t>(number->bits)), -kCountLimit,
                              kCountLimit);
        }
        ++next;
        return 0;
    }
    int count = 0;
    while (i < format.size() && format[i].isDigit() && format[i].unicode() < 128) {
        count = std::min(count * 10 + (format[i].unicode() - u'0'), kCountLimit);
        ++i;
    }
    return count;
}

}  // namespace

QString FormatStringFromList(QStringView format, std::span<const FormatArgument> arguments) {
    QString out;
    std::size_t next = 0;
    for (qsizetype i = 0; i < format.size() && out.size() <= kFormatLimitChars; ++i) {
        if (format[i] != u'%') {
            out += format[i];
            continue;
        }
        const qsizetype start = i++;
        if (i < format.size() && format[i] == u'%') {
            out += u'%';
            continue;
        }
        ConversionSpec directive;
        for (; i < format.size() && QStringView(u"-+ #0").contains(format[i]); ++i) {
            directive.leftAlign |= format[i] == u'-';
            directive.plusSign |= format[i] == u'+';
            directive.spaceSign |= format[i] == u' ';
            directive.alternate |= format[i] == u'#';
            directive.zeroPad |= format[i] == u'0';
        }
        directive.width = ReadCount(format, i, arguments, next);
        if (directive.width < 0) {
            directive.leftAlign = true;
            directive.width = -directive.width;
        }
        if (i < format.size() && format[i] == u'.') {
            ++i;
            directive.precision = std::max(ReadCount(format, i, arguments, next), 0);
        }
        while (i < format.size() && QStringView(u"hlLqjzt").contains(format[i])) {
            ++i;
        }
        if (i >= format.size() || !IsSupportedConversion(format[i])) {
            // Not a conversion we know: keep the text as written.
            out += format.mid(start, std::min(i + 1, format.size()) - start);
            continue;
        }
        directive.conversion = format[i];
        out += RenderArgument(next < arguments.size() ? &arguments[next] : nullptr, directive);
        ++next;
    }
    out.truncate(kFormatLimitChars);
    return out;
}
