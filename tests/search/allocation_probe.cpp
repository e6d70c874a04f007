// The test program's own operator new, which reports to a live AllocationProbe.
#include "tests/search/allocation_probe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> probing{false};
std::atomic<size_t> requests{0};
std::atomic<size_t> largest{0};

}  // namespace

void* operator new(std::size_t size) {
  if (probing.load(std::memory_order_relaxed)) {
    requests.fetch_add(1, std::memory_order_relaxed);
    size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace sucholin::testing {

AllocationProbe::AllocationProbe() {
  requests = 0;
  largest = 0;
  probing = true;
}

AllocationProbe::~AllocationProbe() { probing = false; }

size_t AllocationProbe::Count() const { return requests; }
size_t AllocationProbe::Largest() const { return largest; }

}  // namespace sucholin::testing
