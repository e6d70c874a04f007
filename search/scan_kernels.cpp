// The portable scan kernels, and the choice of a word's two filter bytes.
#include "search/scan_kernels.h"

#include <array>
#include <cstring>

namespace sucholin::scan {
namespace {

// How common a byte is in ordinary text (lower is more common), so that the vector filter can
// test the two rarest bytes of the word and seldom has to compare the whole word.
constexpr std::array<uint8_t, 256> MakeCommonness() {
  std::array<uint8_t, 256> rank{};
  for (auto& r : rank) r = 255;  // control bytes
  for (size_t c = 0x21; c < 0x7F; ++c) rank[c] = 160;
  // Letters beyond ASCII: in UTF-8 text the lead bytes C2 and C3 come with every accented Latin
  // letter, the bytes after a lead about as often as capitals; in code page 1252 text the letters
  // from C0 on about as often.
  for (size_t c = 0x80; c < 0xC0; ++c) rank[c] = 120;
  for (size_t c = 0xC0; c < 0x100; ++c) rank[c] = 130;
  rank[0xC2] = 45;
  rank[0xC3] = 45;
  constexpr char Letters[] = "enitrasodhlucmgpbfwkyvzjxq";
  for (int i = 0; Letters[i] != '\0'; ++i) {
    rank[static_cast<uint8_t>(Letters[i])] = static_cast<uint8_t>(10 + i);
    rank[static_cast<uint8_t>(Letters[i] - 'a' + 'A')] = static_cast<uint8_t>(80 + i);
  }
  for (size_t c = '0'; c <= '9'; ++c) rank[c] = 60;
  constexpr char Punctuation[] = ",.-\"'()";
  for (int i = 0; Punctuation[i] != '\0'; ++i) rank[static_cast<uint8_t>(Punctuation[i])] = 50;
  rank[' '] = 0;
  rank['\t'] = 40;
  return rank;
}
constexpr std::array<uint8_t, 256> Commonness = MakeCommonness();

uint8_t RankAt(std::string_view word, size_t i) {
  return Commonness[static_cast<uint8_t>(word[i])];
}

size_t FindPortable(const char* text, size_t size, const Needle& needle) {
  const size_t m = needle.word.size();
  if (size < m) return size;
  const char lead = needle.word[needle.first];
  // Candidates are the places of the filter byte; the last start that fits is size - m.
  const char* at = text + needle.first;
  const char* const last = text + (size - m) + needle.first;
  while (at <= last) {
    at = static_cast<const char*>(std::memchr(at, lead, static_cast<size_t>(last - at) + 1));
    if (at == nullptr) break;
    const char* start = at - needle.first;
    if (std::memcmp(start, needle.word.data(), m) == 0) return static_cast<size_t>(start - text);
    ++at;
  }
  return size;
}

uint64_t CountEndsPortable(const char* text, size_t size, bool afterCR) {
  uint64_t ends = 0;
  for (size_t i = 0; i < size; ++i) {
    const char c = text[i];
    ends += c == '\r' || c == '\0' || (c == '\n' && !afterCR);
    afterCR = c == '\r';
  }
  return ends;
}

uint64_t CountTerminatorsPortable(const char* text, size_t size, bool& sawCR) {
  uint64_t count = 0;
  for (size_t i = 0; i < size; ++i) {
    count += text[i] == '\r' || text[i] == '\n' || text[i] == '\0';
    sawCR = sawCR || text[i] == '\r';
  }
  return count;
}

size_t FindEndPortable(const char* text, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    if (text[i] == '\r' || text[i] == '\n' || text[i] == '\0') return i;
  }
  return size;
}

size_t NarrowLatinPortable(const char* units, size_t count, bool bigEndian, char* out) {
  const size_t low = bigEndian ? 1 : 0;
  for (size_t i = 0; i < count; ++i) {
    const auto value = static_cast<uint8_t>(units[2 * i + low]);
    if (units[2 * i + 1 - low] != 0 || (value & 0xE0) == 0x80) return i;
    out[i] = static_cast<char>(value);
  }
  return count;
}

}  // namespace

Needle PrepareNeedle(std::string_view word) {
  Needle needle{word, 0, 0};
  for (size_t i = 1; i < word.size(); ++i) {
    if (RankAt(word, i) > RankAt(word, needle.first)) needle.first = i;
  }
  // The second filter byte should differ from the first, or it filters nothing more.
  needle.second = word.size() - 1;
  bool found = false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] == word[needle.first]) continue;
    if (!found || RankAt(word, i) > RankAt(word, needle.second)) needle.second = i;
    found = true;
  }
  return needle;
}

const Kernels PortableKernels = {"portable",        FindPortable,
                                 CountEndsPortable, CountTerminatorsPortable,
                                 FindEndPortable,   NarrowLatinPortable};

}  // namespace sucholin::scan
