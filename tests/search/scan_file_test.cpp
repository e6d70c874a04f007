// ScanFile: its rows, hits at block boundaries, long lines in little memory, and agreement with
// the line-by-line search on random files; the vector kernels against the portable ones.
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

struct RowCase {
  std::string_view content;
  std::string_view word;
  std::string_view hits;  // empty: no row at all
};

TEST(ScanFile, RowsForSmallFiles) {
  const RowCase cases[] = {
      {"a\nWort x\nb\nc\nxWort\n", "Wort", "2,5"},
      {"Wort", "Wort", "1"},
      {"wort\nWORT\n", "Wort", ""},
      {"Wort Wort\nWortWort\r\n", "Wort", "1,2"},
      {"Wo\nrt\n", "Wort", ""},
      {"", "Wort", ""},
      {"nothing here\n", "Wort", ""},
      {"\n\n\nlast line Wort", "Wort", "4"},
      {"x\r\ny\r\nWort\r\n", "Wort", "3"},
      {"x\ry\rWort\r", "Wort", "3"},
      {"x\0y\0Wort\0"sv, "Wort", "3"},
      {"Wo\0rt Wort"sv, "Wort", "2"},
      {"a\r\r\n\n\rWort", "a", "1"},
      {"a\r\r\n\n\rWort", "Wort", "5"},
      {"\xE4pfel\n\xC4pfel\n", "\xC4pfel", "2"},
      {"ab\r\ncd", "b\r", ""},  // a word holding a line end is in no line
      {"ab\ncd", "b\n", ""},
      {"ab\0cd"sv, "b\0c"sv, ""},
      {"ab", "", ""},
  };
  TempFolder folder;
  for (const RowCase& c : cases) {
    const std::string path = folder.Write("f.txt", c.content);
    const std::vector<std::string> rows = ScanRows(path, c.word, "name.txt");
    if (c.hits.empty()) {
      EXPECT_TRUE(rows.empty()) << ::testing::PrintToString(std::string(c.content));
    } else {
      EXPECT_EQ(rows, std::vector<std::string>{"name.txt\n" + std::string(c.hits)})
          << ::testing::PrintToString(std::string(c.content));
    }
  }
}

TEST(ScanFile, UnreadableFilesGiveNoRow) {
  TempFolder folder;
  EXPECT_TRUE(ScanRows(folder.Path("missing.txt"), "a").empty());
  EXPECT_TRUE(ScanRows(folder.MakeFolder("sub.txt"), "a").empty());
  EXPECT_TRUE(ScanRows("", "a").empty());
}

TEST(ScanFile, LineEndsAcrossABlockBoundary) {
  TempFolder folder;
  const std::string fill(Block - 1, 'x');
  // CR last in one block, LF first in the next: one line end.
  EXPECT_EQ(ScanHits(folder.Write("f.txt", fill + "\r\nWort"), "Wort"), "2");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", fill + "\r\rWort"), "Wort"), "3");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", fill + "\n\nWort"), "Wort"), "3");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", fill + std::string("\r\0Wort", 6)), "Wort"), "3");
  // A listed line that ends right at the boundary, and hits in the lines after it.
  const std::string hitFill = std::string(Block - 5, 'x') + "Wort";
  EXPECT_EQ(ScanHits(folder.Write("f.txt", hitFill + "\r\nWort\nWort"), "Wort"), "1,2,3");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", hitFill + "\r\rWort"), "Wort"), "1,3");
}

TEST(ScanFile, WordAcrossBlockBoundaries) {
  TempFolder folder;
  std::string longWord;
  for (size_t i = 0; i < Block + 9000; ++i) longWord += static_cast<char>('a' + (i * 7 + i / 26) % 26);
  // Words longer than a block, and ones that the a before them nearly match at every place.
  const std::string periodic = std::string(2 * Block + 3, 'a') + "b";
  for (std::string_view word : {"Wortbruch"sv, "ab"sv, std::string_view(longWord).substr(0, 5000),
                                std::string_view(longWord), std::string_view(periodic),
                                std::string_view(periodic).substr(Block)}) {
    for (size_t split = 1; split < word.size(); split += 1 + word.size() / 10) {
      // Line 3 holds the word with split bytes of it before the first block boundary.
      const std::string head = "one\ntwo\r\n";
      const size_t fill = (Block - (head.size() + split) % Block) % Block;
      const std::string bytes = head + std::string(fill, 'a') + std::string(word) + "-\nend";
      ASSERT_EQ((head.size() + fill + split) % Block, 0u);
      EXPECT_EQ(ScanHits(folder.Write("f.txt", bytes), word), "3")
          << "word of " << word.size() << " bytes, " << split << " before the boundary";
    }
  }
}

TEST(ScanFile, SeveralHitsInALineOverSeveralBlocksListItOnce) {
  TempFolder folder;
  std::string line(3 * Block, '.');
  for (size_t at : {size_t{10}, Block - 2, Block + 500, 2 * Block - 1, 3 * Block - 4}) {
    line.replace(at, 4, "Wort");
  }
  EXPECT_EQ(ScanHits(folder.Write("f.txt", "x\n" + line + "\nWort\n"), "Wort"), "2,3");
}

TEST(ScanFile, WordAtTheVeryEnd) {
  TempFolder folder;
  EXPECT_EQ(ScanHits(folder.Write("f.txt", std::string(2 * Block - 4, 'x') + "Wort"), "Wort"), "1");
  EXPECT_EQ(ScanHits(folder.Write("f.txt", std::string(2 * Block - 4, '\n') + "Wort"), "Wort"),
            NumberText(static_cast<int64_t>(2 * Block - 3)));
  EXPECT_EQ(ScanHits(folder.Write("f.txt", std::string(Block, '\n') + "W"), "W"),
            NumberText(static_cast<int64_t>(Block + 1)));
  EXPECT_EQ(ScanHits(folder.Write("f.txt", std::string(2 * Block - 4, 'x') + "Wor"), "Wort"), "");
}

TEST(ScanFile, LongLinesNeedNoMoreMemory) {
  TempFolder folder;
  for (size_t length : {size_t{10000}, size_t{8} << 20}) {
    std::string line(length, 'w');
    line.replace(length / 2, 4, "Wort");
    line.replace(length - 4, 4, "Wort");
    const std::string path = folder.Write("f.txt", "a\n" + line + "\nb\n" + line);
    std::string hits;
    size_t largest;
    {
      AllocationProbe probe;
      hits = ScanHits(path, "Wort");
      largest = probe.Largest();
    }
    EXPECT_EQ(hits, "2,4");
    EXPECT_LT(largest, 64u * 1024) << "a line of " << length << " bytes";
  }
}

// Files of a, b and the line-end bytes, with words of a and b: the search must give the lines
// the line-by-line loop gives, whatever falls on a block boundary.
TEST(ScanFile, AgreesWithTheLineLoopOnRandomFiles) {
  TempFolder folder;
  std::mt19937 random(20240611);
  const std::string_view alphabet("ab\r\n\0", 5);
  for (int round = 0; round < 100; ++round) {
    // Mostly ordinary bytes, so that long lines and repeated words occur too.
    const int lineEndShare = std::uniform_int_distribution<int>(0, 20)(random);
    const size_t size = std::uniform_int_distribution<size_t>(0, 12338)(random);
    std::string bytes(size, 'a');
    for (char& c : bytes) {
      const bool end = std::uniform_int_distribution<int>(0, 99)(random) < lineEndShare;
      c = alphabet[std::uniform_int_distribution<size_t>(end ? 2 : 0, end ? 4 : 1)(random)];
    }
    // A block boundary somewhere inside the random bytes: bytes no word holds before them.
    const size_t lead = (Block - std::uniform_int_distribution<size_t>(0, size)(random) % Block) % Block;
    bytes.insert(0, lead, '-');
    std::string word(std::uniform_int_distribution<size_t>(1, round % 5 == 0 ? 300 : 6)(random), 'a');
    for (char& c : word) c = alphabet[std::uniform_int_distribution<size_t>(0, 1)(random)];
    const std::string path = folder.Write("f.txt", bytes);
    ASSERT_EQ(ScanHits(path, word), ReferenceHits(ReadAllLines(path), word))
        << "round " << round << ", word " << word;
  }
}

std::string RandomText(std::mt19937& random, size_t size) {
  const std::string_view bytes("abab\r\n\0\xFF", 8);
  std::string text(size, 'a');
  for (char& c : text) c = bytes[std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(random)];
  return text;
}

// find, and findCounting's place, count and CR flag, as the portable kernels give them.
void ExpectSameFind(const scan::Kernels& kernels, std::string_view text,
                    const scan::Needle& needle) {
  const scan::Kernels& portable = scan::PortableKernels;
  const size_t at = portable.find(text.data(), text.size(), needle);
  ASSERT_EQ(kernels.find(text.data(), text.size(), needle), at) << "size " << text.size();
  for (bool crBefore : {false, true}) {
    uint64_t terminators = 0;
    uint64_t portableTerminators = 0;
    bool sawCR = crBefore;
    bool portableSawCR = crBefore;
    ASSERT_EQ(kernels.findCounting(text.data(), text.size(), needle, terminators, sawCR),
              portable.findCounting(text.data(), text.size(), needle, portableTerminators,
                                    portableSawCR))
        << "size " << text.size();
    ASSERT_EQ(terminators, portableTerminators) << "size " << text.size();
    ASSERT_EQ(sawCR, portableSawCR) << "size " << text.size();
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
      const size_t expected = std::min(part.find(word), part.size());
      ASSERT_EQ(finder.Find(part.data(), part.size()), expected)
          << "round " << round << ", word of " << word.size() << ", text of " << part.size();
    }
  }
}

TEST(ScanKernels, EveryKernelAnswersLikeThePortableOne) {
  const scan::Kernels& portable = scan::PortableKernels;
  EXPECT_STREQ(scan::KernelChoices().back().name, "portable");
  std::mt19937 random(7);
  for (const scan::Kernels& kernels : scan::KernelChoices()) {
    SCOPED_TRACE(kernels.name);
    for (int round = 0; round < 3000; ++round) {
      const size_t size = round < 2000 ? static_cast<size_t>(round % 200) : std::uniform_int_distribution<size_t>(0, 4096)(random);
      const std::string text = RandomText(random, size);
      for (bool afterCR : {false, true}) {
        ASSERT_EQ(kernels.countEnds(text.data(), size, afterCR),
                  portable.countEnds(text.data(), size, afterCR))
            << "size " << size;
      }
      ASSERT_EQ(kernels.findEnd(text.data(), size), portable.findEnd(text.data(), size));
      const std::string word = RandomText(random, std::uniform_int_distribution<size_t>(1, 4)(random));
      ExpectSameFind(kernels, text, scan::PrepareNeedle(word));
      // A word that is there, at a random place.
      if (size >= 8) {
        const size_t at = std::uniform_int_distribution<size_t>(0, size - 8)(random);
        const std::string there = text.substr(at, 1 + at % 8);
        const scan::Needle found = scan::PrepareNeedle(there);
        ExpectSameFind(kernels, text, found);
        ASSERT_LE(portable.find(text.data(), size, found), at);
      }
    }
  }
}

// Long texts of one filler byte with rare words, at any alignment: most 64-byte steps hold no
// candidate, and there are more of them than a byte counter can count. Line ends are rare, or
// every byte, which fills the counters.
TEST(ScanKernels, FindCountingOnSparseTexts) {
  std::mt19937 random(11);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (const scan::Kernels& kernels : scan::KernelChoices()) {
    SCOPED_TRACE(kernels.name);
    for (int round = 0; round < 300; ++round) {
      std::string word(1 + below(round % 3 == 0 ? 80 : 8), 'a');
      for (char& c : word) c = static_cast<char>('a' + below(4));
      const std::string_view ends = round % 2 == 0 ? std::string_view("\n\0", 2) : "\n\r";
      std::string text(below(40000), '.');
      const size_t spacing = round % 4 == 0 ? 1 : 100;
      for (char& c : text) {
        if (below(spacing) == 0) c = ends[below(ends.size())];
      }
      for (size_t copies = below(3); copies > 0 && text.size() >= word.size(); --copies) {
        text.replace(below(text.size() - word.size() + 1), word.size(), word);
      }
      const size_t offset = below(std::min<size_t>(text.size() + 1, 64));
      ExpectSameFind(kernels, std::string_view(text).substr(offset), scan::PrepareNeedle(word));
    }
  }
}

}  // namespace
}  // namespace sucholin::testing
