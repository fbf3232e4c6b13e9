// Replaces the global operator new so that benchmarks can count allocations.
// It lives in a file of its own, away from any code that allocates.

#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

}  // namespace

namespace lumbra {

long allocation_count()
{
    return allocations.load(std::memory_order_relaxed);
}

}  // namespace lumbra

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
