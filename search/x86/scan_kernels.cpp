// Vector scan kernels for x86-64: SSE2, which every such CPU has, and AVX2 where the CPU offers it.
#include "search/scan_kernels.h"

#include <immintrin.h>

#include <algorithm>
#include <bit>
#include <cstring>

namespace sucholin::scan {
namespace {

constexpr size_t NoMatch = SIZE_MAX;

// Compares the whole word at each start the byte filter let through (bit i = start base + i).
size_t CheckCandidates(const char* text, size_t base, uint64_t mask, const Needle& needle) {
  while (mask != 0) {
    const size_t start = base + static_cast<size_t>(std::countr_zero(mask));
    if (std::memcmp(text + start, needle.word.data(), needle.word.size()) == 0) return start;
    mask &= mask - 1;
  }
  return NoMatch;
}

// ---- SSE2 ----

__m128i Load16(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

__m128i Terminators16(__m128i x) {
  const __m128i isCR = _mm_cmpeq_epi8(x, _mm_set1_epi8('\r'));
  const __m128i isLF = _mm_cmpeq_epi8(x, _mm_set1_epi8('\n'));
  const __m128i isNul = _mm_cmpeq_epi8(x, _mm_setzero_si128());
  return _mm_or_si128(_mm_or_si128(isCR, isLF), isNul);
}

// 0xFF in every lane where a line ends; prev holds each lane's preceding byte.
__m128i Ends16(__m128i x, __m128i prev) {
  const __m128i lfAfterCR = _mm_and_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')),
                                          _mm_cmpeq_epi8(prev, _mm_set1_epi8('\r')));
  return _mm_andnot_si128(lfAfterCR, Terminators16(x));
}

uint64_t Sum16(__m128i counts) {
  const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
  return static_cast<uint64_t>(_mm_cvtsi128_si64(sums)) +
         static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
}

size_t FindSse2(const char* text, size_t size, const Needle& needle) {
  const size_t m = needle.word.size();
  if (size < m || size - m + 1 < 16) return PortableKernels.find(text, size, needle);
  const size_t starts = size - m + 1;
  const __m128i first = _mm_set1_epi8(needle.word[needle.first]);
  const __m128i second = _mm_set1_epi8(needle.word[needle.second]);
  auto filter = [&](size_t i) {
    const __m128i a = _mm_cmpeq_epi8(Load16(text + i + needle.first), first);
    const __m128i b = _mm_cmpeq_epi8(Load16(text + i + needle.second), second);
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(a, b)));
  };
  size_t i = 0;
  for (; i + 16 <= starts; i += 16) {
    if (const uint32_t mask = filter(i); mask != 0) {
      if (const size_t at = CheckCandidates(text, i, mask, needle); at != NoMatch) return at;
    }
  }
  if (i < starts) {
    // The last 16 starts again, without those already tried.
    const size_t j = starts - 16;
    const uint32_t mask = filter(j) & (~0u << (i - j));
    if (const size_t at = CheckCandidates(text, j, mask, needle); at != NoMatch) return at;
  }
  return size;
}

uint64_t CountEndsSse2(const char* text, size_t size, bool afterCR) {
  if (size < 16) return PortableKernels.countEnds(text, size, afterCR);
  // The first chunk's preceding bytes are its own, shifted, and the carried CR.
  const __m128i x = Load16(text);
  const __m128i prev = _mm_or_si128(_mm_slli_si128(x, 1), _mm_cvtsi32_si128(afterCR ? '\r' : 0));
  __m128i counts = _mm_sub_epi8(_mm_setzero_si128(), Ends16(x, prev));
  uint64_t ends = 0;
  int pending = 1;
  size_t i = 16;
  for (; i + 16 <= size; i += 16) {
    counts = _mm_sub_epi8(counts, Ends16(Load16(text + i), Load16(text + i - 1)));
    if (++pending == 255) {  // byte counters hold at most 255
      ends += Sum16(counts);
      counts = _mm_setzero_si128();
      pending = 0;
    }
  }
  ends += Sum16(counts);
  if (i < size) {
    const size_t j = size - 16;
    const auto mask =
        static_cast<uint32_t>(_mm_movemask_epi8(Ends16(Load16(text + j), Load16(text + j - 1))));
    ends += static_cast<uint64_t>(std::popcount(mask >> (i - j)));
  }
  return ends;
}

// The CR, LF and NUL bytes in text[0, size), and whether a CR is among them.
uint64_t CountTerminatorsSse2(const char* text, size_t size, bool& sawCR) {
  if (size < 16) return PortableKernels.countTerminators(text, size, sawCR);
  const __m128i cr = _mm_set1_epi8('\r');
  uint64_t total = 0;
  __m128i anyCR = _mm_setzero_si128();
  size_t i = 0;
  while (i + 16 <= size) {
    const size_t groupEnd = std::min(size, i + size_t{255} * 16);
    __m128i counts = _mm_setzero_si128();
    for (; i + 16 <= groupEnd; i += 16) {
      const __m128i x = Load16(text + i);
      anyCR = _mm_or_si128(anyCR, _mm_cmpeq_epi8(x, cr));
      counts = _mm_sub_epi8(counts, Terminators16(x));
    }
    total += Sum16(counts);
  }
  auto mask = [](__m128i lanes) { return static_cast<uint32_t>(_mm_movemask_epi8(lanes)); };
  if (i < size) {
    const size_t j = size - 16;
    const __m128i x = Load16(text + j);
    total += static_cast<uint64_t>(std::popcount(mask(Terminators16(x)) >> (i - j)));
    anyCR = _mm_or_si128(anyCR, _mm_cmpeq_epi8(x, cr));
  }
  sawCR = sawCR || mask(anyCR) != 0;
  return total;
}

size_t FindEndSse2(const char* text, size_t size) {
  if (size < 16) return PortableKernels.findEnd(text, size);
  auto terminators = [&](size_t i) {
    return static_cast<uint32_t>(_mm_movemask_epi8(Terminators16(Load16(text + i))));
  };
  size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    if (const uint32_t mask = terminators(i); mask != 0)
      return i + static_cast<size_t>(std::countr_zero(mask));
  }
  if (i < size) {
    const size_t j = size - 16;
    if (const uint32_t mask = terminators(j) >> (i - j); mask != 0)
      return i + static_cast<size_t>(std::countr_zero(mask));
  }
  return size;
}

// 0xFFFF in each 16-bit lane that is ASCII or a Latin-1 letter: below 0x100, not 0x80 to 0x9F.
__m128i LatinUnits(__m128i x) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i below = _mm_cmpeq_epi16(_mm_and_si128(x, _mm_set1_epi16(-256)), zero);
  const __m128i controls =
      _mm_cmpeq_epi16(_mm_and_si128(x, _mm_set1_epi16(0xE0)), _mm_set1_epi16(0x80));
  return _mm_andnot_si128(controls, below);
}

// Each step stores all 16 bytes and answers up to the first unit that is not such.
size_t NarrowLatinSse2(const char* units, size_t count, bool bigEndian, char* out) {
  const auto load = [&](size_t at) {
    const __m128i x = Load16(units + at);
    return bigEndian ? _mm_or_si128(_mm_srli_epi16(x, 8), _mm_slli_epi16(x, 8)) : x;
  };
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i a = load(2 * i);
    const __m128i b = load(2 * i + 16);
    const auto latin =
        static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(LatinUnits(a), LatinUnits(b))));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(a, b));
    if (latin != 0xFFFF) return i + static_cast<size_t>(std::countr_zero(~latin));
  }
  return i + PortableKernels.narrowLatin(units + 2 * i, count - i, bigEndian, out + i);
}

// ---- AVX2 ----

#define SUCHOLIN_AVX2 __attribute__((target("avx2,popcnt")))

SUCHOLIN_AVX2 __m256i Load32(const char* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

// CR, LF and NUL in one table look-up: a byte is a terminator when it equals the table entry
// for its low four bits. Bytes from 0x80 look up 0, which they never equal.
SUCHOLIN_AVX2 __m256i Terminators32(__m256i x) {
  const __m256i table = _mm256_setr_epi8(
      0, -128, -128, -128, -128, -128, -128, -128, -128, -128, '\n', -128, -128, '\r', -128, -128,
      0, -128, -128, -128, -128, -128, -128, -128, -128, -128, '\n', -128, -128, '\r', -128, -128);
  return _mm256_cmpeq_epi8(x, _mm256_shuffle_epi8(table, x));
}

SUCHOLIN_AVX2 __m256i Ends32(__m256i x, __m256i prev) {
  const __m256i lfAfterCR = _mm256_and_si256(_mm256_cmpeq_epi8(x, _mm256_set1_epi8('\n')),
                                             _mm256_cmpeq_epi8(prev, _mm256_set1_epi8('\r')));
  return _mm256_andnot_si256(lfAfterCR, Terminators32(x));
}

SUCHOLIN_AVX2 uint64_t Sum32(__m256i counts) {
  const __m256i sums = _mm256_sad_epu8(counts, _mm256_setzero_si256());
  const __m128i pair =
      _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
  return static_cast<uint64_t>(_mm_cvtsi128_si64(pair)) +
         static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(pair, pair)));
}

// The first step of 64 starts from i on with a candidate, or the first i with fewer than 64
// starts left. Kept apart from the word comparison so that this loop holds everything in registers.
__attribute__((noinline)) SUCHOLIN_AVX2 size_t NextCandidatesAvx2(const char* a, const char* b,
                                                                  size_t i, size_t starts,
                                                                  __m256i first, __m256i second) {
  for (; i + 64 <= starts; i += 64) {
    const __m256i low = _mm256_and_si256(_mm256_cmpeq_epi8(Load32(a + i), first),
                                         _mm256_cmpeq_epi8(Load32(b + i), second));
    const __m256i high = _mm256_and_si256(_mm256_cmpeq_epi8(Load32(a + i + 32), first),
                                          _mm256_cmpeq_epi8(Load32(b + i + 32), second));
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_movemask_epi8(any) != 0) break;
  }
  return i;
}

SUCHOLIN_AVX2 size_t FindAvx2(const char* text, size_t size, const Needle& needle) {
  const size_t m = needle.word.size();
  if (size < m || size - m + 1 < 32) return FindSse2(text, size, needle);
  const size_t starts = size - m + 1;
  const char* const a = text + needle.first;
  const char* const b = text + needle.second;
  const __m256i first = _mm256_set1_epi8(needle.word[needle.first]);
  const __m256i second = _mm256_set1_epi8(needle.word[needle.second]);
  auto candidates = [&](size_t i) SUCHOLIN_AVX2 {
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(
        _mm256_cmpeq_epi8(Load32(a + i), first), _mm256_cmpeq_epi8(Load32(b + i), second))));
  };
  size_t i = 0;
  for (;;) {
    i = NextCandidatesAvx2(a, b, i, starts, first, second);
    if (i + 64 > starts) break;
    if (const size_t at = CheckCandidates(text, i, candidates(i), needle); at != NoMatch) return at;
    if (const size_t at = CheckCandidates(text, i + 32, candidates(i + 32), needle);
        at != NoMatch) {
      return at;
    }
    i += 64;
  }
  if (i + 32 <= starts) {
    if (const size_t at = CheckCandidates(text, i, candidates(i), needle); at != NoMatch) return at;
    i += 32;
  }
  if (i < starts) {
    // The last 32 starts again, without those already tried.
    const size_t j = starts - 32;
    const uint32_t mask = candidates(j) & (~0u << (i - j));
    if (const size_t at = CheckCandidates(text, j, mask, needle); at != NoMatch) return at;
  }
  return size;
}

SUCHOLIN_AVX2 uint64_t CountEndsAvx2(const char* text, size_t size, bool afterCR) {
  if (size < 32) return CountEndsSse2(text, size, afterCR);
  auto ends = [&](size_t i)
                  SUCHOLIN_AVX2 { return Ends32(Load32(text + i), Load32(text + i - 1)); };
  // Shift the first chunk up by one byte across its two lanes and put the carried CR below it.
  const __m256i x = Load32(text);
  const __m256i shifted = _mm256_alignr_epi8(x, _mm256_permute2x128_si256(x, x, 0x08), 15);
  const __m256i prev = _mm256_or_si256(shifted, _mm256_set_epi64x(0, 0, 0, afterCR ? '\r' : 0));
  uint64_t total = static_cast<uint64_t>(
      std::popcount(static_cast<uint32_t>(_mm256_movemask_epi8(Ends32(x, prev)))));
  size_t i = 32;
  while (i + 32 <= size) {
    // Byte counters hold at most 255, so they are summed up after at most 255 chunks each.
    const size_t groupEnd = std::min(size, i + size_t{2} * 255 * 32);
    __m256i counts0 = _mm256_setzero_si256();
    __m256i counts1 = _mm256_setzero_si256();
    for (; i + 64 <= groupEnd; i += 64) {
      counts0 = _mm256_sub_epi8(counts0, ends(i));
      counts1 = _mm256_sub_epi8(counts1, ends(i + 32));
    }
    if (i + 32 <= groupEnd) {
      counts0 = _mm256_sub_epi8(counts0, ends(i));
      i += 32;
    }
    total += Sum32(counts0) + Sum32(counts1);
  }
  if (i < size) {
    const size_t j = size - 32;
    const auto mask = static_cast<uint32_t>(_mm256_movemask_epi8(ends(j)));
    total += static_cast<uint64_t>(std::popcount(mask >> (i - j)));
  }
  return total;
}

SUCHOLIN_AVX2 uint64_t CountTerminatorsAvx2(const char* text, size_t size, bool& sawCR) {
  if (size < 32) return CountTerminatorsSse2(text, size, sawCR);
  const __m256i cr = _mm256_set1_epi8('\r');
  uint64_t total = 0;
  __m256i anyCR = _mm256_setzero_si256();
  size_t i = 0;
  while (i + 64 <= size) {
    const size_t groupEnd = std::min(size, i + size_t{255} * 64);
    __m256i counts0 = _mm256_setzero_si256();
    __m256i counts1 = _mm256_setzero_si256();
    for (; i + 64 <= groupEnd; i += 64) {
      const __m256i x0 = Load32(text + i);
      const __m256i x1 = Load32(text + i + 32);
      anyCR = _mm256_or_si256(
          anyCR, _mm256_or_si256(_mm256_cmpeq_epi8(x0, cr), _mm256_cmpeq_epi8(x1, cr)));
      counts0 = _mm256_sub_epi8(counts0, Terminators32(x0));
      counts1 = _mm256_sub_epi8(counts1, Terminators32(x1));
    }
    total += Sum32(counts0) + Sum32(counts1);
  }
  auto mask = [](__m256i lanes)
                  SUCHOLIN_AVX2 { return static_cast<uint32_t>(_mm256_movemask_epi8(lanes)); };
  // At most 63 bytes are left: one whole chunk, then the last 32 again without those counted.
  if (i + 32 <= size) {
    const __m256i x = Load32(text + i);
    total += static_cast<uint64_t>(std::popcount(mask(Terminators32(x))));
    anyCR = _mm256_or_si256(anyCR, _mm256_cmpeq_epi8(x, cr));
    i += 32;
  }
  if (i < size) {
    const size_t j = size - 32;
    const __m256i x = Load32(text + j);
    total += static_cast<uint64_t>(std::popcount(mask(Terminators32(x)) >> (i - j)));
    anyCR = _mm256_or_si256(anyCR, _mm256_cmpeq_epi8(x, cr));
  }
  sawCR = sawCR || !_mm256_testz_si256(anyCR, anyCR);
  return total;
}

SUCHOLIN_AVX2 size_t FindEndAvx2(const char* text, size_t size) {
  if (size < 32) return FindEndSse2(text, size);
  auto terminators = [&](size_t i) SUCHOLIN_AVX2 {
    return static_cast<uint32_t>(_mm256_movemask_epi8(Terminators32(Load32(text + i))));
  };
  size_t i = 0;
  for (; i + 32 <= size; i += 32) {
    if (const uint32_t mask = terminators(i); mask != 0)
      return i + static_cast<size_t>(std::countr_zero(mask));
  }
  if (i < size) {
    const size_t j = size - 32;
    if (const uint32_t mask = terminators(j) >> (i - j); mask != 0)
      return i + static_cast<size_t>(std::countr_zero(mask));
  }
  return size;
}

#undef SUCHOLIN_AVX2

// Index of the fastest kernels this CPU can run; the check also asks whether the operating system
// saves the wider registers.
size_t FastestUsable() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") ? 0 : 1;
}

const Kernels All[] = {
    {"avx2", FindAvx2, CountEndsAvx2, CountTerminatorsAvx2, FindEndAvx2, NarrowLatinSse2},
    {"sse2", FindSse2, CountEndsSse2, CountTerminatorsSse2, FindEndSse2, NarrowLatinSse2},
    PortableKernels};

}  // namespace

std::span<const Kernels> KernelChoices() {
  static const size_t fastest = FastestUsable();
  return std::span<const Kernels>(All).subspan(fastest);
}

std::span<const Kernels> KernelsBuilt() { return All; }

}  // namespace sucholin::scan
