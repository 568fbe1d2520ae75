// The adapter header search over any tool output: every name found is a
// non-empty piece of one header block without its colon, names are numbered
// from 0 in order, and the reset runs the two netsh lines for each of them.
#include <cstdint>
#include <string>
#include <vector>

#include "adapter_reset.h"
#include "fuzz_check.h"

namespace {

constexpr std::string::size_type kLongestName = 50 - sizeof("Ethernet adapter");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string output(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> ran;
    CAdapterReset reset([&](const std::string& commandLine) {
        ran.push_back(commandLine);
        return commandLine == "ipconfig.exe" ? output : std::string();
    });
    reset.ResetAdaptersToDhcp();

    int expectedNumber = 0;
    for (const auto& [number, name] : reset.adapterNames) {
        FuzzCheck(number == expectedNumber++, "adapters are numbered from 0 in order");
        FuzzCheck(!name.empty() && name.size() <= kLongestName, "a name is a non-empty part of its header");
        // A header written without the blank ("Ethernet adapter:x") has its
        // colon before the name; then the name is the rest of the block.
        FuzzCheck(name.find(':') == std::string::npos ||
                      output.find("Ethernet adapter:" + name) != std::string::npos,
                  "a name stops before its header's colon");
        FuzzCheck(output.find(name) != std::string::npos, "a name comes from the output");
    }
    FuzzCheck(ran.size() == 1 + 2 * reset.adapterNames.size(), "two netsh lines run for every adapter");
    return 0;
}
