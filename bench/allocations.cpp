#include "allocations.h"

#include <atomic>
#include <cstddef>

// Qt's containers and strings allocate with malloc rather than operator new,
// so the count sits under both: these definitions take the place of the C
// library's for the whole process and hand on to its allocator.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
}

namespace {
std::atomic<std::uint64_t> allocations{0};
}

extern "C" {

void* malloc(std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

void free(void* pointer) noexcept { __libc_free(pointer); }

} // extern "C"

std::uint64_t allocationCount() { return allocations.load(std::memory_order_relaxed); }
