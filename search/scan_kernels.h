// The byte loops of the fast file scan, in a portable form and in vector forms for the CPU at hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace sucholin::scan {

// A search word prepared for the vector search: two of its bytes, chosen to be rare in text,
// filter the candidate positions before the whole word is compared.
struct Needle {
  std::string_view word;  // never empty
  size_t first = 0;       // offsets of the two filter bytes inside word
  size_t second = 0;
};

Needle PrepareNeedle(std::string_view word);

struct Kernels {
  const char* name;
  // Start of the first occurrence of needle.word lying wholly inside text[0, size), or size.
  size_t (*find)(const char* text, size_t size, const Needle& needle);
  // Line ends in text[0, size): every CR, every NUL and every LF not preceded by a CR.
  // afterCR tells whether the byte just before text was a CR.
  uint64_t (*countEnds)(const char* text, size_t size, bool afterCR);
  // Position of the first CR, LF or NUL in text[0, size), or size.
  size_t (*findEnd)(const char* text, size_t size);
};

// Plain byte loops; every other kernel must give exactly their answers.
extern const Kernels PortableKernels;

// The kernels this CPU can run, fastest first; the portable ones come last.
std::span<const Kernels> KernelChoices();

}  // namespace sucholin::scan
