#pragma once

#include <cstdint>

// Heap allocations (malloc, calloc, realloc, and so operator new) made by
// this process so far; counted only in the binary that links allocations.cpp.
std::uint64_t allocationCount();
