// How a set-up script waits between router operations. The pauses are part of
// the protocol with the router, so their lengths stay fixed; what a pause does
// is the caller's choice: the program sleeps, tests record the length.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

using PauseFunction = std::function<void(int milliseconds)>;

inline void SleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
