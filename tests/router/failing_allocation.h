// Makes one allocation of the calling thread fail, as a machine out of
// memory would: the n-th operator new after arming throws std::bad_alloc.
// Other threads (the simulated router) allocate as usual.
#pragma once

class FailingAllocation {
public:
    // Allocations 0 .. n-1 succeed, allocation n throws.
    explicit FailingAllocation(long n);
    ~FailingAllocation();  // disarms
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the armed allocation was reached (and threw).
    bool Fired() const;
};
