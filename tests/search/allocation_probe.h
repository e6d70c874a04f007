// Counts the heap requests made while a probe lives, to show what memory a scan asks for.
#pragma once

#include <cstddef>

namespace sucholin::testing {

class AllocationProbe {
 public:
  AllocationProbe();
  ~AllocationProbe();
  AllocationProbe(const AllocationProbe&) = delete;
  AllocationProbe& operator=(const AllocationProbe&) = delete;

  size_t Count() const;    // requests since the probe started
  size_t Largest() const;  // the largest single request, in bytes
};

}  // namespace sucholin::testing
