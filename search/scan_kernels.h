// The byte loops of the fast file scan, in a portable form and in vector forms for the CPU at hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <bitset>
#include <span>
#include <string_view>
#include <vector>

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
  // The CR, LF and NUL bytes in text[0, size); sawCR is set when a CR is among them. Cheaper than
  // countEnds, and the same count when no CR is in those bytes or just before them.
  uint64_t (*countTerminators)(const char* text, size_t size, bool& sawCR);
  // Position of the first CR, LF or NUL in text[0, size), or size.
  size_t (*findEnd)(const char* text, size_t size);
  // Writes the leading UTF-16 units of units[0, 2 count) that are ASCII or Latin-1 letters (below
  // 0x100, but not 0x80 to 0x9F) as one byte each to out; answers how many there were. out has room
  // for count bytes, which may all be written.
  size_t (*narrowLatin)(const char* units, size_t count, bool bigEndian, char* out);
};

// Plain byte loops; every other kernel must give exactly their answers.
extern const Kernels PortableKernels;

// The kernels this CPU can run, fastest first; the portable ones come last.
std::span<const Kernels> KernelChoices();
// Every kernel this build holds, the ones this CPU cannot run included.
std::span<const Kernels> KernelsBuilt();

// Finds a word in time linear in the word's and the text's length, whatever their bytes. A short
// word goes to the vector filter alone: its candidates cost at most ShortWord bytes to compare.
// For a longer one the filter finds the word's first ShortWord bytes, and from there the
// comparison goes on byte-wise with the word's borders (Knuth-Morris-Pratt), so a text that
// nearly matches over and over is still read once; at a byte the word does not hold, or once no
// part of the word is matched any more, the filter takes over again.
class WordFinder {
 public:
  static constexpr size_t ShortWord = 32;

  // word must not be empty, and must outlive the finder.
  explicit WordFinder(std::string_view wanted);

  // Start of the word's first occurrence lying wholly inside text[0, size), or size.
  size_t Find(const char* text, size_t size) const;
  bool IsShort() const { return word.size() <= ShortWord; }

 private:
  // How many bytes from text on equal the word's from `from` on, at most size of them.
  size_t MatchLength(const char* text, size_t size, size_t from) const;

  const Kernels& kernels;
  std::string_view word;
  Needle head;
  // border[k]: length of the longest proper prefix of word[0, k) that is also its suffix.
  std::vector<size_t> border;
  std::bitset<256> inWord;
};

}  // namespace sucholin::scan
