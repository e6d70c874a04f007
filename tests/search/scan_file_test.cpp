// ScanFile's rows against the line-by-line search on random files, the line reader's reopening,
// and the vector kernels against the portable ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "search/scan_kernels.h"
#include "search/search.h"
#include "tests/search/line_loop.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using namespace std::string_view_literals;
constexpr size_t Block = LineReader::BlockSize;

// Reading from its start each time, never a file other than the one named, and to its end.
TEST(LineReader, ReopeningStartsAfreshAndTheLastByteCounts) {
  TempFolder folder;
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(folder.Write("a.txt", "a1\na2\n")));
  EXPECT_EQ(reader.ReadLine(), "a1");
  ASSERT_TRUE(reader.OpenForReading(HeldFolder(folder.Text()), "a.txt"));
  EXPECT_EQ(reader.ReadLine(), "a1");
  EXPECT_FALSE(reader.OpenForReading(folder.Path("a.txt") + '\0' + "x"));
  // A last block of a single byte.
  ChosenFile = folder.Write("f.txt", std::string(Block, '\n') + "b");
  EXPECT_EQ(Rows(SearchFile, "b"), Names{std::string("f.txt\n").append(std::to_string(Block + 1))});
}

// Random files behind lines that put a block edge before a random byte of them, or after a CR
// put there: lines of a, b and line ends, or one long line of mostly a, where a long word
// nearly matches all over. The words: pieces of the file (some longer than a block, over three
// blocks), a and b, with a line end, or none; their last byte changed in some rounds.
TEST(ScanFile, AgreesWithTheLineLoopOnRandomFiles) {
  TempFolder folder;
  std::mt19937 random(20240611);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (int round = 0; round < 200; ++round) {
    const bool longWord = round % 8 == 0;
    const size_t endShare = longWord || round % 2 == 1 ? 0 : below(21);  // in percent
    const size_t aShare = round % 2 == 0 ? 50 : 97;
    std::string bytes(longWord ? 2 * Block + below(Block) : below(Block / 8 + 100), 'a');
    for (char& c : bytes) {
      c = below(100) < endShare ? "\r\n\0"sv[below(3)] : "ab"[below(100) >= aShare];
    }
    const size_t from = longWord ? below(Block / 2) : below(bytes.size() + 1);
    const size_t length = longWord ? Block + below(Block) : 1 + below(round % 4 == 3 ? 100 : 6);
    std::string word = bytes.substr(from, length);
    for (char& c : word) c = round % 4 == 2 ? "ab"[below(2)] : c;
    if (round % 10 == 5 && !word.empty()) word[below(word.size())] = "\r\n\0"sv[below(3)];
    if (round % 10 == 9) word.clear();
    if (!word.empty() && below(3) == 0) word.back() ^= 3;
    size_t edge = below(bytes.size() + 1);
    if (below(2) == 0) bytes.insert(edge++, "\r\n", 1 + below(2));
    const size_t fill = (2 * Block - 9 - edge % Block) % Block;
    ChosenFile = folder.Write("f.txt", "one\ntwo\r\n" + std::string(fill, '-') + bytes + "\nend");
    const std::string row = LineLoopRow(ChosenFile, word, "f.txt");
    ASSERT_EQ(Rows(SearchFile, word), row.empty() ? Names{} : Names{row})
        << "round " << round << ", word of " << word.size();
  }
}

// Texts of every length with dense line ends, and long sparse ones at any alignment, where most
// 64-byte steps hold no candidate and there are more of them than a byte counter can count.
TEST(ScanKernels, EveryKernelAnswersLikeThePortableOne) {
  std::mt19937 random(7);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  const scan::Kernels& portable = scan::PortableKernels;
  for (const scan::Kernels& kernels : scan::KernelChoices()) {
    SCOPED_TRACE(kernels.name);
    for (int round = 0; round < 2700; ++round) {
      const bool sparse = round >= 2400;
      const size_t size = sparse ? below(40000) : round < 2000 ? round % 200 : below(4097);
      const std::string_view ends = sparse ? (round % 2 ? "\n\0"sv : "\n\r"sv) : "abab\r\n\0\xFF"sv;
      const size_t spacing = sparse && round % 4 != 0 ? 100 : 1;
      std::string text(size, '.');
      for (char& c : text) c = below(spacing) == 0 ? ends[below(ends.size())] : '.';
      std::string word(1 + below(round % 3 == 0 ? 80 : 8), 'a');
      for (char& c : word) c = "ab\xFF"[below(3)];
      // Copies of the word, one of them where the search starts.
      const size_t from = below(std::min<size_t>(size + 1, 64));
      for (size_t copies = below(3); copies > 0 && size >= from + word.size(); --copies) {
        text.replace(from + (copies == 2 ? 0 : below(size - from - word.size() + 1)), word.size(),
                     word);
      }
      const char* const at = text.data() + from;
      const size_t n = size - from;
      const scan::Needle needle = scan::PrepareNeedle(word);
      const auto answers = [&](const scan::Kernels& k) {
        uint64_t counted = 0;
        bool sawCR = round % 2 == 1;
        const size_t found = k.findCounting(at, n, needle, counted, sawCR);
        return std::tuple(k.countEnds(at, n, round % 2 == 1), k.findEnd(at, n),
                          k.find(at, n, needle), found, counted, sawCR);
      };
      ASSERT_EQ(answers(kernels), answers(portable));
      ASSERT_EQ(scan::WordFinder(word).Find(at, n), portable.find(at, n, needle));
    }
  }
  // A long word whose first bytes lie in the text but which goes on beyond its end is not in it.
  const std::string text = "...." + std::string(100, 'w');
  EXPECT_EQ(scan::WordFinder(text.substr(4)).Find(text.data(), 6), 6u);
}

}  // namespace
}  // namespace sucholin::testing
