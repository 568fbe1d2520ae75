// Nothing thrown inside the library may reach the wizard: an exception that
// crossed the exported functions would end the wizard's process. Each
// exported operation runs its body through one of these.
#pragma once

#include <utility>

// The body's result, or `failure` when anything was thrown.
template <typename Body>
int GuardedResult(int failure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

// For the setters and getters: a throw leaves the records as they were.
template <typename Body>
void Guarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

// Replaces `target` only once the copy exists: a failed copy (no memory)
// leaves it whole, never half old and half new.
template <typename Record>
void ReplaceWhole(Record& target, const Record& source) {
    Record copy = source;
    target = std::move(copy);
}
