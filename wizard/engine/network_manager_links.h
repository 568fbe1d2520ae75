// Reads, through NetworkManager, what the wired adapters say about the cable
// and about the router their leases name. Read-only, and bounded like the
// adapter reset: an absent or hung daemon gives an empty report in seconds.
#pragma once

#include "network_manager_reset.h"
#include "wired_links.h"

// The devices of options.deviceTypes, on options.busAddress, within
// options.callTimeout per call and options.budget for all.
WiredLinks ReadWiredLinks(const NetworkManagerResetOptions& options = {});
