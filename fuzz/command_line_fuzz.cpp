// SplitCommandLine over any line. Two command lines are equivalent when they
// split into the same program and arguments; quoting the parts of a line the
// way Windows programs expect (CommandLineToArgvW's rules) and joining them
// with blanks gives a line equivalent to the first one.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "fuzz_check.h"

namespace {

bool NeedsQuotes(const std::string& part) {
    return part.empty() || part.find_first_of(" \t\"") != std::string::npos;
}

// The program name knows no escapes: quotes only group.
std::string QuoteProgram(const std::string& program) {
    return NeedsQuotes(program) ? '"' + program + '"' : program;
}

// Backslashes double before a quote (and before the closing quote), a quote
// inside is escaped with one more backslash.
std::string QuoteArgument(const std::string& argument) {
    if (!NeedsQuotes(argument)) {
        return argument;
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(2 * backslashes + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> parts = SplitCommandLine(line);
    if (parts.empty()) {
        return 0;
    }
    FuzzCheck(parts.front().find('"') == std::string::npos, "a program name holds no quote");

    std::string joined = QuoteProgram(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i) {
        joined += ' ' + QuoteArgument(parts[i]);
    }
    FuzzCheck(SplitCommandLine(joined) == parts, "the quoted parts rejoin to an equivalent line");
    return 0;
}
