// sucholin-kernel-times FILE WORD WIDE: each kernel tier's time on the same bytes, the first 64 MiB
// of FILE and of the UTF-16 LE file WIDE held in memory in the reader's blocks: the search for WORD
// with its count of line ends (the scan of blocks without a hit), the count of line ends alone, and
// the narrowing of WIDE's units. Medians of seven passes, in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "search/scan_kernels.h"
#include "search/search.h"

using namespace sucholin;

namespace {

// The first 64 MiB of the file, after its first skip bytes.
std::string FirstBytes(const char* path, std::streamoff skip) {
  std::string bytes(size_t{64} << 20, '\0');
  std::ifstream file(path, std::ios::binary);
  file.seekg(skip);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

template <typename Pass>
double MedianMilliseconds(Pass pass) {
  std::vector<double> times;
  for (int round = 0; round < 7; ++round) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || argv[2][0] == '\0') {
    std::fprintf(stderr, "usage: sucholin-kernel-times FILE WORD WIDE\n");
    return 2;
  }
  const std::string bytes = FirstBytes(argv[1], 0);
  const std::string wide = FirstBytes(argv[3], 2);  // after the byte-order mark
  const scan::Needle needle = scan::PrepareNeedle(argv[2]);
  const size_t block = LineReader::BlockSize;
  std::string narrowed(block, '\0');
  uint64_t sink = 0;  // keeps the answers alive
  std::printf("   %-9s %14s %14s %14s\n", "tier", "search+count", "count", "UTF-16 narrow");
  for (const scan::Kernels& k : scan::KernelChoices()) {
    const auto eachBlock = [&](auto step, const std::string& text) {
      return MedianMilliseconds([&] {
        for (size_t at = 0; at < text.size(); at += block) {
          step(text.data() + at, std::min(block, text.size() - at));
        }
      });
    };
    const double search = eachBlock(
        [&](const char* text, size_t size) {
          bool sawCR = false;
          const size_t at = k.find(text, size, needle);
          sink += at + k.countTerminators(text, at, sawCR);
        },
        bytes);
    const double count = eachBlock(
        [&](const char* text, size_t size) { sink += k.countEnds(text, size, false); }, bytes);
    const double narrow = eachBlock(
        [&](const char* text, size_t size) {
          // Past each unit it stops at, as the decoder goes on.
          for (size_t unit = 0; unit < size / 2; ++unit) {
            unit += k.narrowLatin(text + 2 * unit, size / 2 - unit, false, narrowed.data());
          }
        },
        wide);
    std::printf("   %-9s %11.1f ms %11.1f ms %11.1f ms\n", k.name, search, count, narrow);
  }
  return sink == 42 ? 1 : 0;
}
