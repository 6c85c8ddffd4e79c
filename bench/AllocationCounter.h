#pragma once

#include <cstddef>

namespace trakora {

// Heap allocations made through operator new since the program started.
std::size_t AllocationCount();

} // namespace trakora
