// ScanFile: its rows, words and hits at block edges, long lines in little memory, agreement with
// the line-by-line search on random files; the long-word finder and the vector kernels against
// plain search.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "search/scan_kernels.h"
#include "search/search.h"
#include "tests/search/allocation_probe.h"
#include "tests/search/line_oracle.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using namespace std::string_view_literals;
constexpr size_t Block = LineReader::BlockSize;

TEST(ScanFile, RowsForSmallFiles) {
  const struct {
    std::string_view content, word, hits;  // hits empty: no row at all
  } cases[] = {
      {"a\nWort x\nb\nc\nxWort\n", "Wort", "2,5"},
      {"wort\nWORT\n", "Wort", ""},
      {"Wort Wort\nWortWort\r\n", "Wort", "1,2"},
      {"Wo\nrt\n", "Wort", ""},
      {"a\r\r\n\n\rWort", "Wort", "5"},
      {"Wo\0rt Wort"sv, "Wort", "2"},
      {"ab\r\ncd", "b\r", ""},  // a word holding a line end is in no line
      {"ab\ncd", "b\n", ""},
      {"ab\0cd"sv, "b\0c"sv, ""},
      {"ab", "", ""},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::vector<std::string> rows = ScanRows(folder.Write("f.txt", c.content), c.word, "n.txt");
    const std::vector<std::string> expected{"n.txt\n" + std::string(c.hits)};
    EXPECT_EQ(rows, c.hits.empty() ? std::vector<std::string>{} : expected)
        << ::testing::PrintToString(std::string(c.content));
  }
}

// Line 3 holds the word with split bytes of it before a block edge, the edge placed by padding
// of a bytes: words longer than a block, and ones the padding nearly matches at every place.
TEST(ScanFile, WordsAcrossBlockEdges) {
  std::string longWord;
  for (size_t i = 0; i < Block + 900; ++i) longWord += static_cast<char>('a' + (i * 7 + i / 26) % 26);
  const std::string periodic = std::string(2 * Block + 3, 'a') + "b";
  TempFolder folder;
  for (std::string_view word : {"Wortbruch"sv, "ab"sv, std::string_view(longWord),
                                std::string_view(periodic), std::string_view(periodic).substr(Block)}) {
    for (size_t split = 1; split < word.size(); split += 1 + word.size() / 10) {
      const std::string head = "one\ntwo\r\n";
      const size_t fill = (Block - (head.size() + split) % Block) % Block;
      const std::string bytes = head + std::string(fill, 'a') + std::string(word) + "-\nend";
      EXPECT_EQ(ScanHits(folder.Write("f.txt", bytes), word), "3")
          << "word of " << word.size() << " bytes, " << split << " before the edge";
    }
  }
}

TEST(ScanFile, HitLinesOverSeveralBlocksAreListedOnce) {
  TempFolder folder;
  std::string line(3 * Block, '.');
  for (size_t at : {size_t{10}, Block - 2, Block + 500, 2 * Block - 1, 3 * Block - 4}) {
    line.replace(at, 4, "Wort");
  }
  EXPECT_EQ(ScanHits(folder.Write("f.txt", "x\n" + line + "\r\nWort\n"), "Wort"), "2,3");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", std::string(Block, '\n') + "W"), "W"),
            NumberText(static_cast<int64_t>(Block + 1)));
}

TEST(ScanFile, LongLinesNeedNoMoreMemory) {
  TempFolder folder;
  std::string line(8 << 20, 'w');
  line.replace(line.size() / 2, 4, "Wort");
  const std::string path = folder.Write("f.txt", "a\n" + line + "\nb\n" + line + "Wort");
  std::string hits;
  size_t largest;
  {
    AllocationProbe probe;
    hits = ScanHits(path, "Wort");
    largest = probe.Largest();
  }
  EXPECT_EQ(hits, "2,4");
  EXPECT_LT(largest, 64u * 1024 + Block);
}

// Files of a, b and the line-end bytes, with words of a and b: the search must give the lines
// the line-by-line loop gives, whatever falls on a block edge.
TEST(ScanFile, AgreesWithTheLineLoopOnRandomFiles) {
  TempFolder folder;
  std::mt19937 random(20240611);
  const std::string_view alphabet("ab\r\n\0", 5);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (int round = 0; round < 100; ++round) {
    const size_t lineEndShare = below(21);  // mostly ordinary bytes, so long lines occur too
    std::string bytes(below(12339), 'a');
    for (char& c : bytes) c = below(100) < lineEndShare ? alphabet[2 + below(3)] : alphabet[below(2)];
    // A block edge somewhere inside the random bytes: bytes no word holds before them.
    bytes.insert(0, (Block - below(bytes.size() + 1) % Block) % Block, '-');
    std::string word(1 + below(round % 5 == 0 ? 300 : 6), 'a');
    for (char& c : word) c = alphabet[below(2)];
    const std::string path = folder.Write("f.txt", bytes);
    ASSERT_EQ(ScanHits(path, word), ReferenceHits(ReadAllLines(path), word))
        << "round " << round << ", word " << word;
  }
}

// Long words whose prefixes recur in the text, so that nearly every place nearly matches: the
// finder must give the first occurrence that plain search gives, in any cut of the text.
TEST(WordFinder, AgreesWithPlainSearchOnNearMisses) {
  std::mt19937 random(5);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  std::string fibonacci = "a";
  for (std::string previous = "b"; fibonacci.size() < 3000;) {
    std::string next = fibonacci + previous;
    previous = std::move(fibonacci);
    fibonacci = std::move(next);
  }
  for (int round = 0; round < 400; ++round) {
    const size_t length = scan::WordFinder::ShortWord + 1 + below(round % 4 == 0 ? 3000 : 100);
    std::string word;
    switch (round % 3) {
      case 0:  // one byte over and over, then another
        word = std::string(length - 1, 'a') + "b";
        break;
      case 1:  // many borders
        word = fibonacci.substr(0, length);
        break;
      default:
        for (size_t i = 0; i < length; ++i) word += "ab"[below(2)];
    }
    // Pieces of the word, the word with one byte changed, the word itself, and other bytes.
    std::string text;
    while (text.size() < 4 * length) {
      std::string piece = word.substr(0, 1 + below(length));
      if (below(4) == 0) piece[below(piece.size())] ^= 3;
      text += below(20) == 0 ? word : piece;
      if (below(3) == 0) text += "\nc"[below(2)];
    }
    const scan::WordFinder finder(word);
    for (int cut = 0; cut < 8; ++cut) {
      const std::string_view part = std::string_view(text).substr(0, below(text.size() + 1));
      ASSERT_EQ(finder.Find(part.data(), part.size()), std::min(part.find(word), part.size()))
          << "round " << round << ", word of " << word.size() << ", text of " << part.size();
    }
  }
}

// find, and findCounting's place, count and CR flag, as the portable kernels give them.
void ExpectSameFind(const scan::Kernels& kernels, std::string_view text, std::string_view word) {
  const scan::Needle needle = scan::PrepareNeedle(word);
  const scan::Kernels& portable = scan::PortableKernels;
  ASSERT_EQ(kernels.find(text.data(), text.size(), needle),
            portable.find(text.data(), text.size(), needle));
  for (bool crBefore : {false, true}) {
    uint64_t counted[2] = {0, 0};
    bool sawCR[2] = {crBefore, crBefore};
    ASSERT_EQ(kernels.findCounting(text.data(), text.size(), needle, counted[0], sawCR[0]),
              portable.findCounting(text.data(), text.size(), needle, counted[1], sawCR[1]));
    ASSERT_EQ(counted[0], counted[1]);
    ASSERT_EQ(sawCR[0], sawCR[1]);
  }
}

// Short texts of every length with dense line ends, and long sparse ones at any alignment: most
// 64-byte steps hold no candidate, and there are more of them than a byte counter can count.
TEST(ScanKernels, EveryKernelAnswersLikeThePortableOne) {
  std::mt19937 random(7);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  const std::string_view dense("abab\r\n\0\xFF", 8);
  for (const scan::Kernels& kernels : scan::KernelChoices()) {
    SCOPED_TRACE(kernels.name);
    for (int round = 0; round < 2400; ++round) {
      const size_t size = round < 2000 ? round % 200 : below(4097);
      std::string text(size, 'a');
      for (char& c : text) c = dense[below(dense.size())];
      for (bool afterCR : {false, true}) {
        ASSERT_EQ(kernels.countEnds(text.data(), size, afterCR),
                  scan::PortableKernels.countEnds(text.data(), size, afterCR));
      }
      ASSERT_EQ(kernels.findEnd(text.data(), size), scan::PortableKernels.findEnd(text.data(), size));
      ExpectSameFind(kernels, text, text.substr(size / 3, 1 + round % 4) + "a");
      if (size >= 8) ExpectSameFind(kernels, text, text.substr(below(size - 7), 1 + round % 8));
    }
    for (int round = 0; round < 300; ++round) {
      std::string word(1 + below(round % 3 == 0 ? 80 : 8), 'a');
      for (char& c : word) c = static_cast<char>('a' + below(4));
      const std::string_view ends = round % 2 == 0 ? "\n\0"sv : "\n\r"sv;
      std::string text(below(40000), '.');
      const size_t spacing = round % 4 == 0 ? 1 : 100;
      for (char& c : text) c = below(spacing) == 0 ? ends[below(2)] : c;
      for (size_t copies = below(3); copies > 0 && text.size() >= word.size(); --copies) {
        text.replace(below(text.size() - word.size() + 1), word.size(), word);
      }
      ExpectSameFind(kernels, std::string_view(text).substr(below(std::min<size_t>(text.size() + 1, 64))), word);
    }
  }
}

}  // namespace
}  // namespace sucholin::testing
