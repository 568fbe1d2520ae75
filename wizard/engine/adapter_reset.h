// Switches the PC's Ethernet adapters to automatic addressing before the
// wizard first talks to the router, using the system's own "ipconfig.exe" and
// "netsh". Where those tools do not exist nothing is found and nothing runs.
#pragma once

#include <functional>
#include <map>
#include <string>

class CAdapterReset {
public:
    // Runs one command line and returns its merged output ("" when it
    // could not be started). Tests pass their own to record the lines.
    using CommandRunner = std::function<std::string(const std::string& commandLine)>;

    // Runs the tools for real, pausing after each block of their output.
    CAdapterReset();
    explicit CAdapterReset(CommandRunner runner);

    std::string RunCommand(std::string commandLine) const;
    // Fills adapterNames from an "ipconfig.exe" output; true when one was found.
    bool FindEthernetAdapters(const std::string& output);
    // The whole reset. Always 0: a failed reset is not the caller's concern.
    int ResetAdaptersToDhcp();

    // Adapter number in the order found -> name as ipconfig writes it.
    std::map<int, std::string> adapterNames;

private:
    CommandRunner runner_;
};
