// ScanFile's rows against the line-by-line search in every encoding, the line reader's reopening,
// and the vector kernels against the portable ones. Random files and block edges: tests/fuzz.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "search/name_text.h"
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
  ASSERT_TRUE(reader.OpenForReading(folder.Write("a.txt", "a1\na2\n")) && reader.NextBlock());
  reader.Take(2);
  ASSERT_TRUE(reader.OpenForReading(HeldFolder(folder.Text()), "a.txt"));
  EXPECT_TRUE(reader.NextBlock() && reader.Unread() == "a1\na2\n");
  EXPECT_FALSE(reader.OpenForReading(folder.Path("a.txt") + '\0' + "x"));
  // A last block of a single byte, and a file of one.
  ChosenFile = folder.Write("f.txt", std::string(Block, '\n') + "b");
  EXPECT_EQ(Rows(SearchFile, "b"), Names{std::string("f.txt\n").append(std::to_string(Block + 1))});
  ChosenFile = folder.Write("g.txt", "b");
  EXPECT_EQ(Rows(SearchFile, "b"), Names{"g.txt\n1"});
}

// Every word in every encoding of a file, with each UTF-16 line end and an odd last byte, and the
// block edges anywhere: the reference's lines, and those written here.
TEST(ScanFile, FindsEveryFormOfTheWordInEveryEncoding) {
  const std::u16string_view lines[] = {u"Fehler: nichts",
                                       u"Gr\u00FC\u00DFe aus K\u00F6ln",
                                       u"Preis 5 \u20AC",
                                       u"\u03A9mega \U0001D11E Fehler",
                                       u"",
                                       u"Fehler, Fehler",
                                       u"GR\u00DCSSE Fehle"};
  const auto joined = [&](std::u16string_view end) {
    std::u16string text(lines[0]);
    for (const std::u16string_view line : std::span(lines).subspan(1))
      text.append(end).append(line);
    return text;
  };
  enum Kind { Cp1252, Utf8, Utf16 };
  std::vector<std::tuple<std::string, std::string, Kind>> files = {
      {"code page 1252, CR LF", Cp1252Of(joined(u"\r\n")), Cp1252},
      {"UTF-8, LF", Wtf8FromUtf16(joined(u"\n")), Utf8},
      {"UTF-8 with mark, CR LF", "\xEF\xBB\xBF" + Wtf8FromUtf16(joined(u"\r\n")), Utf8},
      // The odd last byte is the first of a unit that would complete "Fehler".
      {"UTF-16 LE, odd byte", Utf16File(joined(u"\n"), false) + "r", Utf16},
      {"UTF-16 BE, odd byte", Utf16File(joined(u"\r\n"), true) + '\0', Utf16}};
  for (const bool big : {false, true})
    for (const std::u16string_view end : {u"\n"sv, u"\r\n"sv, u"\r"sv, u"\0"sv})
      files.emplace_back("UTF-16 " + std::to_string(big) + ", end " + std::to_string(int{end[0]}) +
                             std::to_string(end.size()),
                         Utf16File(joined(end), big), Utf16);
  struct Case {
    Word word;
    std::string_view lines[3];  // per Kind
  };
  const Case cases[] = {
      {{"Fehler", "Fehler", u"Fehler"}, {"1,4,6", "1,4,6", "1,4,6"}},
      {{"Gr\u00FC\u00DFe", "Gr\xFC\xDF\x65", u"Gr\u00FC\u00DFe"}, {"2", "2", "2"}},
      {{"5 \u20AC", "5 \x80", u"5 \u20AC"}, {"3", "3", "3"}},
      {{"\u03A9mega", "", u"\u03A9mega"}, {"", "4", "4"}},
      {{"\U0001D11E F", "", u"\U0001D11E F"}, {"", "4", "4"}},
      // Code page 1252 bytes, as the Windows program used to give them: no UTF-8, so bytes only.
      {{"Gr\xFC\xDF\x65", "", u""}, {"2", "", ""}},
      {{"Fehler\rx", "Fehler\rx", u"Fehler\rx"}, {"", "", ""}}};
  TempFolder folder;
  for (const auto& [name, bytes, kind] : files) {
    ChosenFile = folder.Write("f.txt", bytes);
    for (const Case& c : cases) {
      SCOPED_TRACE(name + ", word " + c.word.given);
      const std::string row = LineLoopRow(bytes, c.word, "f.txt");
      EXPECT_EQ(row, c.lines[kind].empty() ? "" : "f.txt\n" + std::string(c.lines[kind]));
      EXPECT_EQ(Rows(SearchFile, c.word.given), row.empty() ? Names{} : Names{row});
      for (const size_t block : {1, 2, 3, 5, 64})
        EXPECT_EQ(ScanInBlocks(bytes, c.word.given, block), LineLoopRow(bytes, c.word, "f"));
      // Cuts in a word, between CR and LF, in a line with hits on both sides.
      for (const int32_t pieces : {2, 3, 4, 7, 16})
        EXPECT_EQ(ScanInPieces(bytes, c.word.given, pieces, pieces),
                  LineLoopRow(bytes, c.word, "f"))
            << pieces << " pieces";
    }
  }
  // A cut after a CR, with the shorter form of the word whole in the line before it.
  EXPECT_EQ(ScanInPieces("5 \x80\r\nx", "5 \u20AC", 3, 2), "f\n1");
  // A word no line can hold still has its file opened, so that one that cannot be is told.
  EXPECT_EQ(ScanFile(folder.Path("missing.txt"), "Fehler\rx", "m", [](std::string_view) {}),
            FileOutcome::OpenFailed);
}

// A file large enough to be read in pieces side by side, on as many threads as there are cores,
// gives the row of one scan from its start; the cuts themselves are tried in the table above.
TEST(ScanFile, ALargeFileReadInPiecesGivesTheRowOfOneScan) {
  std::mt19937 random(3);
  std::u16string text;
  while (text.size() < 17 << 20) text += random() % 64 == 0 ? u"x Wort Wort\r\n" : u"Wor Fehler\r";
  TempFolder folder;
  for (const std::string& bytes : {Wtf8FromUtf16(text), Utf16File(text, true)}) {
    ChosenFile = folder.Write("big.txt", bytes);
    LineReader reader;
    Names oneScan;
    ScanCandidate(reader, HeldFolder(folder.Text()), "big.txt", "Wort",
                  [&](std::string_view row) { oneScan.emplace_back(row); });
    EXPECT_EQ(Rows(SearchFile, "Wort"), oneScan);
  }
}

// Texts of every length with dense line ends, and long sparse ones at any alignment, where most
// 64-byte steps hold no candidate and there are more of them than a byte counter can count, each
// in a block of its exact size; and the same text as UTF-16 units.
TEST(ScanKernels, EveryKernelAnswersLikeThePortableOne) {
  std::mt19937 random(7);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  const scan::Kernels& portable = scan::PortableKernels;
  const auto choices = scan::KernelChoices();
  std::cout << "kernel tiers run:";
  for (const scan::Kernels& k : scan::KernelsBuilt())
    std::cout << ' ' << k.name << (&k < choices.data() ? " (not on this CPU)" : "");
  std::cout << '\n';
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
    const auto copy = ExactCopy(std::string_view(text).substr(from));
    const auto wordCopy = ExactCopy(word);
    const std::string_view exactWord(wordCopy.get(), word.size());
    const char* const at = copy.get();
    const size_t n = size - from;
    const bool big = round % 2 == 1;
    std::string units;
    // Some units of the byte 0xFF are not Latin-1, some of b are C1 controls.
    for (const char c : std::string_view(text).substr(from)) {
      const char high = c == '\xFF' && round % 3 == 0 ? '\x20' : '\0';
      const char low = c == 'b' && round % 5 == 0 ? '\x85' : c;
      units.append({big ? high : low, big ? low : high});
    }
    const auto unitsCopy = ExactCopy(units);
    const scan::Needle needle = scan::PrepareNeedle(exactWord);
    const auto answers = [&](const scan::Kernels& k) {
      bool sawCR = round % 2 == 1;
      const uint64_t counted = k.countTerminators(at, n, sawCR);
      std::string narrow(n, '-');
      narrow.resize(k.narrowLatin(unitsCopy.get(), n, big, narrow.data()));
      return std::tuple(k.countEnds(at, n, round % 2 == 1), k.findEnd(at, n), k.find(at, n, needle),
                        counted, sawCR, narrow);
    };
    const auto expected = answers(portable);
    for (const scan::Kernels& kernels : choices)
      ASSERT_EQ(answers(kernels), expected) << kernels.name;
    ASSERT_EQ(scan::WordFinder(exactWord).Find(at, n), std::get<2>(expected));
  }
  // A long word whose first bytes lie in the text but which goes on beyond its end is not in it.
  const std::string text = "...." + std::string(100, 'w');
  EXPECT_EQ(scan::WordFinder(text.substr(4)).Find(text.data(), 6), 6u);
  // A near miss ending in a byte of the word: no start is claimed where the word does not begin.
  const std::string word = "ab" + std::string(31, 'c') + "d";
  const std::string nearly = "ab" + std::string(31, 'c') + "b" + word.substr(2);
  EXPECT_EQ(scan::WordFinder(word).Find(nearly.data(), nearly.size()), nearly.size());
}

}  // namespace
}  // namespace sucholin::testing
