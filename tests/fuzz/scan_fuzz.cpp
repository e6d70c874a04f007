// Fuzzes ScanFile against the line-by-line search, and the vector kernels and the word finder
// against the portable search.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "search/scan_kernels.h"
#include "search/search.h"

namespace {

using namespace sucholin;

// Input bytes become file bytes of a, b, CR, LF and NUL. A byte from 0xF0 repeats the byte
// before it, so that short inputs still make lines and words that cross the reader's blocks; the
// content stops after two blocks, which keeps the line-by-line reference quick.
std::string MakeContent(const uint8_t* data, size_t size) {
  static constexpr char Alphabet[] = {'a', 'a', 'a', 'a', 'b', 'b', 'b', 'b',
                                      'a', 'b', '\r', '\n', '\0', '\r', '\n', 'b'};
  constexpr size_t Repeat = LineReader::BlockSize / 64 + 1;
  constexpr size_t Most = 2 * LineReader::BlockSize + LineReader::BlockSize / 4;
  std::string content;
  for (size_t i = 0; i < size && content.size() < Most; ++i) {
    if (data[i] >= 0xF0 && !content.empty()) {
      content.append(std::min(static_cast<size_t>(data[i] - 0xEF) * Repeat, Most - content.size()),
                     content.back());
    } else {
      content += Alphabet[data[i] & 0x0F];
    }
  }
  return content;
}

// Mostly of a and b; now and then with a line-end byte, which no line can hold. With bit 0x40 a
// long word cut from the content, its last byte changed with bit 0x20, so that it is there or
// nearly there, often over and over.
std::string MakeWord(uint8_t lengthByte, const uint8_t* data, size_t size, const std::string& content) {
  const size_t longLength = scan::WordFinder::ShortWord + 1 + (size > 0 ? data[0] % 64 : 0);
  if ((lengthByte & 0x40) != 0 && content.size() >= longLength) {
    const size_t from = (size > 1 ? data[1] * 257u : 0) % (content.size() - longLength + 1);
    std::string word = content.substr(from, longLength);
    if ((lengthByte & 0x20) != 0) word.back() = word.back() == 'a' ? 'b' : 'a';
    return word;
  }
  std::string word;
  const size_t length = 1 + lengthByte % 7;
  for (size_t i = 0; i < length; ++i) {
    const uint8_t bits = i < size ? data[i] : 0;
    word += (lengthByte & 0x80) != 0 && bits % 11 == 0 ? "\r\n"[bits % 2] : "ab"[bits % 2];
  }
  return word;
}

// The file every input is written to, in memory where possible; removed when the run ends.
struct ScratchFile {
  ScratchFile() {
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path folder =
        std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    path = (folder / ("sucholin-fuzz-" + std::to_string(getpid()) + ".txt")).string();
  }
  ~ScratchFile() { std::remove(path.c_str()); }
  std::string path;
};

std::string ReferenceHits(const std::string& path, std::string_view word) {
  std::string hits;
  LineReader reader;
  if (!reader.OpenForReading(path)) std::abort();
  int64_t line = 0;
  do {
    ++line;
    if (FindText(reader.ReadLine(), word, 1) != 0) hits += "," + NumberText(line);
  } while (!reader.AtEnd());
  return hits.empty() ? hits : hits.substr(1);
}

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "scan_fuzz: %s\n", what);
  std::abort();
}

void CheckKernels(const std::string& text, std::string_view word) {
  const scan::Kernels& portable = scan::PortableKernels;
  const scan::Needle needle = scan::PrepareNeedle(word);
  const scan::WordFinder finder(word);
  for (size_t from : {size_t{0}, text.size() / 3}) {
    const size_t size = text.size() - from;
    Check(finder.Find(text.data() + from, size) == portable.find(text.data() + from, size, needle),
          "word finder");
  }
  for (const scan::Kernels& kernels : scan::KernelChoices()) {
    for (size_t from : {size_t{0}, text.size() / 3}) {
      const char* at = text.data() + from;
      const size_t size = text.size() - from;
      Check(kernels.find(at, size, needle) == portable.find(at, size, needle), kernels.name);
      Check(kernels.findEnd(at, size) == portable.findEnd(at, size), kernels.name);
      uint64_t terminators = 0;
      uint64_t portableTerminators = 0;
      bool sawCR = false;
      bool portableSawCR = false;
      Check(kernels.findCounting(at, size, needle, terminators, sawCR) ==
                    portable.findCounting(at, size, needle, portableTerminators, portableSawCR) &&
                terminators == portableTerminators && sawCR == portableSawCR,
            kernels.name);
      Check(kernels.countEnds(at, size, from % 2 == 1) == portable.countEnds(at, size, from % 2 == 1),
            kernels.name);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string content = MakeContent(data + 1, size - 1);
  const std::string word = MakeWord(data[0], data + 1, size - 1, content);
  static const ScratchFile scratch;
  const std::string& path = scratch.path;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  }
  std::string row;
  ScanFile(path, word, "f", [&](std::string_view text) {
    Check(row.empty(), "more than one row");
    row = text;
  });
  const std::string hits = ReferenceHits(path, word);
  Check(row == (hits.empty() ? std::string() : "f\n" + hits), "ScanFile differs from the line loop");
  CheckKernels(content, word);
  return 0;
}
