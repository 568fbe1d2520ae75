// The WAN connection types (enum WanType, kWanNone ... kWanL2tp) are the
// library's vocabulary, named once in router/setup_vocabulary.h; this header
// keeps the engine's include working.
#pragma once

#include "setup_vocabulary.h"
