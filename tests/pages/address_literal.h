// Dotted text as the address value an IP address control reports.
#pragma once

#include "validation.h"

inline AddressValue Ip(const char* dotted) {
    return ParseRouterLanAddress(dotted);
}
