// Replaces the global operator new of the benchmark program so it can count
// allocations; kept in its own file so no caller sees malloc behind new.
#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t g_allocations = 0;
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace trakora {

std::size_t AllocationCount() { return g_allocations; }

} // namespace trakora
