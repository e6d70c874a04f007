// WordFinder: the vector filter for short words, and its linear-time extension for long ones.
#include <algorithm>
#include <bit>
#include <cstring>

#include "search/scan_kernels.h"

namespace sucholin::scan {

WordFinder::WordFinder(std::string_view wanted)
    : kernels(KernelChoices().front()),
      word(wanted),
      head(PrepareNeedle(wanted.substr(0, std::min(wanted.size(), ShortWord)))) {
  if (IsShort()) return;
  for (const char c : word) inWord.set(static_cast<uint8_t>(c));
  const size_t m = word.size();
  border.assign(m + 1, 0);
  for (size_t k = 2; k <= m; ++k) {
    size_t b = border[k - 1];
    while (b > 0 && word[b] != word[k - 1]) b = border[b];
    border[k] = word[b] == word[k - 1] ? b + 1 : 0;
  }
}

size_t WordFinder::MatchLength(const char* text, size_t size, size_t from) const {
  const char* const expected = word.data() + from;
  size_t i = 0;
  for (; size - i >= 8; i += 8) {
    uint64_t got;
    uint64_t want;
    std::memcpy(&got, text + i, 8);
    std::memcpy(&want, expected + i, 8);
    if (const uint64_t differ = got ^ want; differ != 0) {
      // The first differing byte is the lowest in memory.
      if constexpr (std::endian::native == std::endian::little) {
        return i + static_cast<size_t>(std::countr_zero(differ)) / 8;
      } else {
        return i + static_cast<size_t>(std::countl_zero(differ)) / 8;
      }
    }
  }
  while (i < size && text[i] == expected[i]) ++i;
  return i;
}

size_t WordFinder::Find(const char* text, size_t size) const {
  if (IsShort()) return kernels.find(text, size, head);
  const size_t m = word.size();
  // Every start before i - k is ruled out, and the k bytes before i equal the word's first k.
  size_t i = 0;
  size_t k = 0;
  for (;;) {
    if (k == 0) {
      if (size - i < m) return size;
      // Only heads that leave room for the rest of the word.
      const size_t area = size - i - m + ShortWord;
      const size_t at = kernels.find(text + i, area, head);
      if (at == area) return size;
      i += at + ShortWord;
      k = ShortWord;
    }
    const size_t same = MatchLength(text + i, std::min(m - k, size - i), k);
    i += same;
    k += same;
    if (k == m) return i - m;
    if (i == size) return size;
    const char c = text[i++];
    if (!inWord[static_cast<uint8_t>(c)]) {
      k = 0;
      continue;
    }
    // The longest matched part that c extends: its start is the next one that can hold the word.
    // It is shorter than the part c did not extend, so the word is not complete yet.
    while (k > 0 && word[k] != c) k = border[k];
    if (word[k] == c) ++k;
  }
}

}  // namespace sucholin::scan
