// Fuzz inputs as text, so the seeds stay readable files: the leading lines
// carry a target's parameters, the rest is the text under test.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

class TextInput {
public:
    TextInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next line without its '\n'; empty once the input is used up.
    std::string Line() {
        const std::size_t end = rest_.find('\n');
        const std::string line(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }
    // The next line read as a number the way strtoll reads it (0 when none).
    long long Number() { return std::strtoll(Line().c_str(), nullptr, 0); }
    // The next character, or 0 at the end.
    unsigned char Byte() {
        if (rest_.empty()) return 0;
        const unsigned char byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    std::string Rest() const { return std::string(rest_); }

private:
    std::string_view rest_;
};
