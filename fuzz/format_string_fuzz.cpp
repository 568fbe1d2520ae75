// FormatString over any format with any mix of arguments, including widths
// and precisions taken from extreme integers: the result stays within the
// limit, and a format without conversions comes back as written.
//
// Input: one argument a line until an empty line ("i" int, "l" 64-bit,
// "u" unsigned, "b" 8-bit, "c" char16_t, each followed by a number; "s"
// followed by text), then the format.
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "format_string.h"
#include "fuzz_check.h"
#include "text_input.h"

namespace {

FormatArgument ToArgument(const std::string& line) {
    const long long number = std::strtoll(line.c_str() + 1, nullptr, 0);
    switch (line.front()) {
        case 'i':
            return static_cast<int>(number);
        case 'l':
            return static_cast<std::int64_t>(number);
        case 'u':
            return static_cast<std::uint32_t>(number);
        case 'b':
            return static_cast<std::int8_t>(number);
        case 'c':
            return static_cast<char16_t>(number);
        default:
            return QString::fromStdString(line.substr(1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextInput input(data, size);
    std::vector<FormatArgument> arguments;
    for (std::string line = input.Line(); !line.empty() && arguments.size() < 8; line = input.Line()) {
        arguments.push_back(ToArgument(line));
    }
    const QString format = QString::fromStdString(input.Rest());

    const QString result = FormatStringFromList(format, arguments);
    FuzzCheck(result.size() <= kFormatLimitChars, "a result fits the limit");
    if (!format.contains(u'%')) {
        FuzzCheck(result == format.left(kFormatLimitChars), "plain text comes back as written");
    }
    return 0;
}
