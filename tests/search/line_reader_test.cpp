// The line reader: where lines end (also across blocks, through ReadLine and ScanFile alike),
// block access, reopening and what cannot be opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/search.h"
#include "tests/search/line_oracle.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using namespace std::string_view_literals;
using Lines = std::vector<std::string>;

// Each row alone, and behind a first line that puts the block boundary before each of its bytes
// in turn; the lines must come out the same from ReadLine and from ScanFile's numbering.
TEST(LineTable, ReadLineAndScanFileAgree) {
  const struct {
    std::string_view content;
    Lines lines;
  } table[] = {
      {""sv, {""}},
      {"ab"sv, {"ab"}},
      {"ab\r\n"sv, {"ab"}},
      {"ab\r"sv, {"ab"}},
      {"\0"sv, {""}},
      {"a\n\n"sv, {"a", ""}},
      {"a\n\rb"sv, {"a", "", "b"}},
      {"a\r\rb"sv, {"a", "", "b"}},
      {"a\r\n\nb"sv, {"a", "", "b"}},
      {"a\0b"sv, {"a", "b"}},
      {"a\r\0b"sv, {"a", "", "b"}},
      {"\xEF\xBB\xBFgr\xFC\xDF\x80\xFF\nb"sv, {"\xEF\xBB\xBFgr\xFC\xDF\x80\xFF", "b"}},
  };
  TempFolder folder;
  for (const auto& row : table) {
    for (size_t before = 0; before <= row.content.size() + 1; ++before) {
      std::string bytes;
      Lines lines;
      if (before <= row.content.size()) {
        const std::string first(LineReader::BlockSize - before - 1, 'x');
        bytes = first + "\n";
        lines.push_back(first);
      }
      bytes += row.content;
      if (!row.content.empty() || lines.empty()) {
        lines.insert(lines.end(), row.lines.begin(), row.lines.end());
      }
      SCOPED_TRACE(::testing::PrintToString(std::string(row.content)) + " at block offset " +
                   std::to_string(bytes.size() - row.content.size()));
      const std::string path = folder.Write("f.txt", bytes);
      EXPECT_EQ(ReadAllLines(path), lines);
      for (std::string_view word : {"a"sv, "b"sv, "ab"sv, "xa"sv}) {
        EXPECT_EQ(ScanHits(path, word), ReferenceHits(lines, word)) << "word " << word;
      }
    }
  }
}

TEST(LineReader, AtEndConsumesNothingAndTheEndStays) {
  TempFolder folder;
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(folder.Write("f.txt", "one\r\ntwo")));
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "one");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "two");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, BlocksShareThePositionWithReadLine) {
  const size_t block = LineReader::BlockSize;
  TempFolder folder;
  std::string bytes(2 * block + 100, 'b');
  bytes[3] = '\n';
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(folder.Write("f.txt", bytes)));
  ASSERT_TRUE(reader.NextBlock());
  EXPECT_EQ(reader.Unread().size(), block);
  reader.Take(4);
  EXPECT_TRUE(reader.NextBlock()) << "a block with bytes left is not replaced";
  EXPECT_EQ(reader.Unread().size(), block - 4);
  EXPECT_EQ(reader.ReadLine(), bytes.substr(4));
  EXPECT_FALSE(reader.NextBlock());
  EXPECT_TRUE(reader.Unread().empty());
}

TEST(LineReader, ReopeningStartsAfreshAndFailedOpensLeaveItClosed) {
  TempFolder folder;
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(folder.Write("a.txt", "a1\na2\n")));
  EXPECT_EQ(reader.ReadLine(), "a1");
  ASSERT_TRUE(reader.OpenForReading(folder.Write("b.txt", "b1\nb2\n")));
  EXPECT_EQ(reader.ReadLine(), "b1");
  const HeldFolder held(folder.Text());
  ASSERT_TRUE(reader.OpenForReading(held, "a.txt"));
  EXPECT_EQ(reader.ReadLine(), "a1");
  reader.CloseReader();
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_TRUE(reader.AtEnd());
  const std::string unopenable[] = {folder.Path("missing.txt"), folder.MakeFolder("sub.txt"), "",
                                    folder.Path("a.txt") + '\0' + "x"};
  for (const std::string& path : unopenable) {
    ASSERT_TRUE(reader.OpenForReading(folder.Path("a.txt")));
    EXPECT_FALSE(reader.OpenForReading(path)) << path;
    EXPECT_FALSE(reader.IsOpen()) << path;
    EXPECT_TRUE(ScanRows(path, "a").empty()) << path;
  }
}

}  // namespace
}  // namespace sucholin::testing
