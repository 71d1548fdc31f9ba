#include "heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* take(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const std::size_t now = inUse += malloc_usable_size(p);
    for (std::size_t seen = peak.load(); now > seen && !peak.compare_exchange_weak(seen, now);) {}
    return p;
}

void give(void* p) noexcept
{
    if (!p)
        return;
    inUse -= malloc_usable_size(p);
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return take(size); }
void* operator new[](std::size_t size) { return take(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return take(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { give(p); }
void operator delete[](void* p) noexcept { give(p); }
void operator delete(void* p, std::size_t) noexcept { give(p); }
void operator delete[](void* p, std::size_t) noexcept { give(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { give(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { give(p); }

namespace jubilo::xls::testing {

HeapMeter::HeapMeter()
    : start_(inUse.load())
{
    peak = start_;
}

std::size_t HeapMeter::peakBytes() const { return peak.load() - start_; }

}  // namespace jubilo::xls::testing
