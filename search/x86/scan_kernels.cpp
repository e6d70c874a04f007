// Vector scan kernels for x86-64: SSE2, which every such CPU has, and AVX2 where the CPU offers it.
#include "search/scan_kernels.h"

#include <immintrin.h>

#include <cstring>

namespace sucholin::scan {
namespace {

constexpr size_t NoMatch = SIZE_MAX;

// Compares the whole word at each start the byte filter let through (bit i = start base + i).
size_t CheckCandidates(const char* text, size_t base, uint32_t mask, const Needle& needle) {
  while (mask != 0) {
    const size_t start = base + static_cast<size_t>(__builtin_ctz(mask));
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
    const auto mask = static_cast<uint32_t>(
        _mm_movemask_epi8(Ends16(Load16(text + j), Load16(text + j - 1))));
    ends += static_cast<uint64_t>(__builtin_popcount(mask >> (i - j)));
  }
  return ends;
}

size_t FindEndSse2(const char* text, size_t size) {
  if (size < 16) return PortableKernels.findEnd(text, size);
  auto terminators = [&](size_t i) {
    return static_cast<uint32_t>(_mm_movemask_epi8(Terminators16(Load16(text + i))));
  };
  size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    if (const uint32_t mask = terminators(i); mask != 0) return i + __builtin_ctz(mask);
  }
  if (i < size) {
    const size_t j = size - 16;
    if (const uint32_t mask = terminators(j) >> (i - j); mask != 0) return i + __builtin_ctz(mask);
  }
  return size;
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
  const __m128i pair = _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
  return static_cast<uint64_t>(_mm_cvtsi128_si64(pair)) +
         static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(pair, pair)));
}

SUCHOLIN_AVX2 size_t FindAvx2(const char* text, size_t size, const Needle& needle) {
  const size_t m = needle.word.size();
  if (size < m || size - m + 1 < 32) return FindSse2(text, size, needle);
  const size_t starts = size - m + 1;
  const __m256i first = _mm256_set1_epi8(needle.word[needle.first]);
  const __m256i second = _mm256_set1_epi8(needle.word[needle.second]);
  auto filter = [&](size_t i) SUCHOLIN_AVX2 {
    const __m256i a = _mm256_cmpeq_epi8(Load32(text + i + needle.first), first);
    const __m256i b = _mm256_cmpeq_epi8(Load32(text + i + needle.second), second);
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_and_si256(a, b)));
  };
  size_t i = 0;
  for (; i + 32 <= starts; i += 32) {
    if (const uint32_t mask = filter(i); mask != 0) {
      if (const size_t at = CheckCandidates(text, i, mask, needle); at != NoMatch) return at;
    }
  }
  if (i < starts) {
    const size_t j = starts - 32;
    const uint32_t mask = filter(j) & (~0u << (i - j));
    if (const size_t at = CheckCandidates(text, j, mask, needle); at != NoMatch) return at;
  }
  return size;
}

SUCHOLIN_AVX2 uint64_t CountEndsAvx2(const char* text, size_t size, bool afterCR) {
  if (size < 32) return CountEndsSse2(text, size, afterCR);
  // Shift the first chunk up by one byte across its two lanes and put the carried CR below it.
  const __m256i x = Load32(text);
  const __m256i shifted = _mm256_alignr_epi8(x, _mm256_permute2x128_si256(x, x, 0x08), 15);
  const __m256i prev = _mm256_or_si256(shifted, _mm256_set_epi64x(0, 0, 0, afterCR ? '\r' : 0));
  __m256i counts = _mm256_sub_epi8(_mm256_setzero_si256(), Ends32(x, prev));
  uint64_t ends = 0;
  int pending = 1;
  size_t i = 32;
  for (; i + 32 <= size; i += 32) {
    counts = _mm256_sub_epi8(counts, Ends32(Load32(text + i), Load32(text + i - 1)));
    if (++pending == 255) {
      ends += Sum32(counts);
      counts = _mm256_setzero_si256();
      pending = 0;
    }
  }
  ends += Sum32(counts);
  if (i < size) {
    const size_t j = size - 32;
    const auto mask = static_cast<uint32_t>(
        _mm256_movemask_epi8(Ends32(Load32(text + j), Load32(text + j - 1))));
    ends += static_cast<uint64_t>(__builtin_popcount(mask >> (i - j)));
  }
  return ends;
}

SUCHOLIN_AVX2 size_t FindEndAvx2(const char* text, size_t size) {
  if (size < 32) return FindEndSse2(text, size);
  auto terminators = [&](size_t i) SUCHOLIN_AVX2 {
    return static_cast<uint32_t>(_mm256_movemask_epi8(Terminators32(Load32(text + i))));
  };
  size_t i = 0;
  for (; i + 32 <= size; i += 32) {
    if (const uint32_t mask = terminators(i); mask != 0) return i + __builtin_ctz(mask);
  }
  if (i < size) {
    const size_t j = size - 32;
    if (const uint32_t mask = terminators(j) >> (i - j); mask != 0) return i + __builtin_ctz(mask);
  }
  return size;
}

#undef SUCHOLIN_AVX2

bool CpuHasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
}

}  // namespace

std::span<const Kernels> KernelChoices() {
  static const Kernels all[] = {{"avx2", FindAvx2, CountEndsAvx2, FindEndAvx2},
                                {"sse2", FindSse2, CountEndsSse2, FindEndSse2},
                                PortableKernels};
  static const bool avx2 = CpuHasAvx2();
  return avx2 ? std::span<const Kernels>(all) : std::span<const Kernels>(all).subspan(1);
}

}  // namespace sucholin::scan
