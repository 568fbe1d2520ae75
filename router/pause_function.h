// How the library and the wizard wait between steps that talk to the router.
// The pauses are part of the protocol with the router, so their lengths stay
// fixed; what a pause does is the caller's choice: the program sleeps, tests
// record the length. Standard headers only, so both sides can include it.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

using PauseFunction = std::function<void(std::chrono::milliseconds)>;

// Blocks the calling thread for `duration`.
inline void SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}
