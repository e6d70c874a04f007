// Bytes copied to where an unreadable page begins, so that a read past them faults in the
// optimised build as under AddressSanitizer; an empty copy starts where an unreadable page ends,
// so that a read before it faults.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace sucholin::testing {

class GuardedCopy {
 public:
  explicit GuardedCopy(std::string_view bytes) {
#ifdef _WIN32
    const size_t page = 4096;
#else
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
#endif
    length = ((bytes.size() + page - 1) / page + 2) * page;
#ifdef _WIN32
    base =
        static_cast<char*>(VirtualAlloc(nullptr, length, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(base, page, PAGE_NOACCESS, &old);
    VirtualProtect(base + length - page, page, PAGE_NOACCESS, &old);
#else
    base = static_cast<char*>(
        mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    mprotect(base, page, PROT_NONE);
    mprotect(base + length - page, page, PROT_NONE);
#endif
    char* const at = base + length - page - bytes.size();
    std::copy(bytes.begin(), bytes.end(), at);
    view = {at, bytes.size()};
  }
  GuardedCopy(const GuardedCopy&) = delete;
  GuardedCopy& operator=(const GuardedCopy&) = delete;
  ~GuardedCopy() {
#ifdef _WIN32
    VirtualFree(base, 0, MEM_RELEASE);
#else
    munmap(base, length);
#endif
  }

  std::string_view View() const { return view; }

 private:
  char* base = nullptr;
  size_t length = 0;
  std::string_view view;
};

}  // namespace sucholin::testing
