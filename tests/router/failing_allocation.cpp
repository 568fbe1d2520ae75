// Replaces the global operator new and delete of the test program; nothing
// else in it may replace them.
#include "failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {
thread_local long allocationsLeft = -1;  // -1: disarmed
thread_local bool fired = false;

void* Allocate(std::size_t size) {
    if (allocationsLeft == 0) {
        allocationsLeft = -1;
        fired = true;
        throw std::bad_alloc();
    }
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
}  // namespace

FailingAllocation::FailingAllocation(long n) {
    fired = false;
    allocationsLeft = n;
}

FailingAllocation::~FailingAllocation() {
    allocationsLeft = -1;
}

bool FailingAllocation::Fired() const {
    return fired;
}

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
// The nothrow forms too: the library's LoadObj allocates with one, and every
// block must come from the allocator its delete returns it to (a sanitizer
// reports a block from its own new handed to free).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
