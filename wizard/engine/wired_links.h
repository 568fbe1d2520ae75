// What the PC's wired adapters tell about the cable and the router before
// the wizard asks the router anything: which have a carrier, and which
// addresses their leases name as the router. Filled where the system can
// tell (NetworkManager); left empty elsewhere, which changes nothing.
#pragma once

#include <string>
#include <vector>

struct WiredLinks {
    int adapters = 0;        // wired adapters examined
    int withoutCarrier = 0;  // of those, the ones plainly unplugged (or the router off)
    // The leases' gateway and DHCP server addresses, dotted, in the order
    // found and each once.
    std::vector<std::string> routers;

    // Nothing plugged in anywhere: no login can get through.
    bool NoCableAnywhere() const { return adapters > 0 && withoutCarrier == adapters; }
};
