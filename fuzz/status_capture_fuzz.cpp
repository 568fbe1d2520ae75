// ExtractFirstCapture with every pattern the status and MAC reads use, over
// any page text: a value never holds a double quote and never exceeds its
// pattern's width, and a value the router writes is read back unchanged
// whatever text precedes it.
//
// Input: one character choosing the pattern, the value to write on the rest
// of that line, then the page text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "page_values.h"
#include "text_input.h"

namespace {

struct StatusPattern {
    const char* pattern;
    const char* opening;  // the script text before the value
    const char* closing;  // and after it (the pattern wants one more character)
    std::size_t widest;
    bool fixedWidth;
};

constexpr std::array kPatterns{
    StatusPattern{kCableDslPattern, "cableDSL=\"", "\";", 3, false},
    StatusPattern{kCloneMacPattern, "cln_MAC = \"", "\";", 17, true},
    StatusPattern{kDefaultMacPattern, "def_MAC = \"", "\";", 17, true},
    StatusPattern{kFactoryMacPattern, "fac_MAC = \"", "\";", 17, true},
    StatusPattern{kWanIpPattern, "wanIP = \"", "\";", 15, false},
    StatusPattern{kGatewayPattern, "gateWay=\"", "\";", 15, false},
    StatusPattern{kSubnetMaskPattern, "subMask=\"", "\";", 15, false},
    StatusPattern{kWanMacPattern, "wan_mac=\"", "\";", 17, true},
    StatusPattern{kConnectionTypePattern, "conTypeIdx=\"", "\";", 3, false},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextInput input(data, size);
    const StatusPattern& chosen = kPatterns[input.Byte() % kPatterns.size()];
    std::string value = input.Line();
    std::erase(value, '"');
    value.resize(chosen.fixedWidth ? chosen.widest : std::min(value.size(), chosen.widest), '0');
    const std::string page = input.Rest();

    for (const StatusPattern& status : kPatterns) {
        const std::string captured = ExtractFirstCapture(page, status.pattern);
        FuzzCheck(captured.find('"') == std::string::npos, "a captured value holds no double quote");
        FuzzCheck(captured.size() <= status.widest, "a captured value fits its pattern's width");
    }

    // A newline cannot be part of any key, so the key written last is the
    // last occurrence and its value wins.
    const std::string written = page + '\n' + chosen.opening + value + chosen.closing + '\n';
    FuzzCheck(ExtractFirstCapture(written, chosen.pattern) == value, "a written value reads back unchanged");
    return 0;
}
