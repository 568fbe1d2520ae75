#include "command_line.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The program name is a path: quotes only group, backslashes are literal.
std::string_view::size_type TakeProgram(std::string_view line, std::string_view::size_type at,
                                        std::string& program) {
    bool quoted = false;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            quoted = !quoted;
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            program += c;
        }
    }
    return at;
}

// One argument with the backslash rules: 2n backslashes before a quote give n
// backslashes and a grouping quote, 2n+1 give n backslashes and a literal
// quote; inside quotes a doubled quote is one literal quote.
std::string_view::size_type TakeArgument(std::string_view line, std::string_view::size_type at,
                                         std::string& argument) {
    bool quoted = false;
    while (at < line.size()) {
        const char c = line[at];
        if (c == '\\') {
            std::string_view::size_type backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                    ++at;
                }
            } else {
                argument.append(backslashes, '\\');
            }
        } else if (c == '"') {
            if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                argument += '"';
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            argument += c;
            ++at;
        }
    }
    return at;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> parts;
    std::string_view::size_type at = 0;
    auto skipBlanks = [&] {
        while (at < commandLine.size() && IsBlank(commandLine[at])) {
            ++at;
        }
    };
    skipBlanks();
    if (at == commandLine.size()) {
        return parts;
    }
    parts.emplace_back();
    at = TakeProgram(commandLine, at, parts.back());
    for (skipBlanks(); at < commandLine.size(); skipBlanks()) {
        parts.emplace_back();
        at = TakeArgument(commandLine, at, parts.back());
    }
    return parts;
}
