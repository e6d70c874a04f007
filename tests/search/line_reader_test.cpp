// The line reader: where lines end (also across blocks), long lines, block access and failed opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/search.h"
#include "tests/search/allocation_probe.h"
#include "tests/search/line_oracle.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using namespace std::string_view_literals;

struct LineCase {
  std::string_view content;
  std::vector<std::string> lines;
};

const LineCase LineTable[] = {
    {""sv, {""}},
    {"ab"sv, {"ab"}},
    {"ab\n"sv, {"ab"}},
    {"ab\r\n"sv, {"ab"}},
    {"ab\r"sv, {"ab"}},
    {"\r\n"sv, {""}},
    {"\0"sv, {""}},
    {"a\n\n"sv, {"a", ""}},
    {"a\n\r"sv, {"a", ""}},
    {"a\n\rb"sv, {"a", "", "b"}},
    {"a\r\rb"sv, {"a", "", "b"}},
    {"a\r\n\nb"sv, {"a", "", "b"}},
    {"a\0b"sv, {"a", "b"}},
    {"a\r\0b"sv, {"a", "", "b"}},
};

// Each row alone, and behind a first line that puts the block boundary before each of its bytes
// in turn; the lines must come out the same from ReadLine and from ScanFile's numbering.
TEST(LineTable, ReadLineAndScanFileAgree) {
  TempFolder folder;
  for (const LineCase& row : LineTable) {
    for (size_t before = 0; before <= row.content.size() + 1; ++before) {
      std::string bytes;
      std::vector<std::string> lines;
      if (before <= row.content.size()) {
        const std::string first(LineReader::BlockSize - before - 1, 'x');
        bytes = first + "\n";
        lines.push_back(first);
      }
      bytes += row.content;
      if (!row.content.empty() || lines.empty()) lines.insert(lines.end(), row.lines.begin(), row.lines.end());
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
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "one");
  EXPECT_EQ(reader.ReadLine(), "two");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(LineReader, HighBytesAndByteOrderMarkAreLineBytes) {
  TempFolder folder;
  const std::string line = "\xEF\xBB\xBFgr\xFC\xDF \x80\xFF";
  EXPECT_EQ(ReadAllLines(folder.Write("f.txt", line + "\nnext")),
            (std::vector<std::string>{line, "next"}));
}

TEST(LineReader, LongLinesComeWholeWithFewEnlargements) {
  TempFolder folder;
  for (size_t length : {size_t{10000}, size_t{6} << 20}) {
    std::string line(length, 'q');
    line[length / 2] = 'w';
    const std::string path = folder.Write("f.txt", "a\n" + line + "\r\nz");
    LineReader reader;
    ASSERT_TRUE(reader.OpenForReading(path));
    EXPECT_EQ(reader.ReadLine(), "a");
    std::string got;
    size_t enlargements;
    {
      AllocationProbe probe;
      got = reader.ReadLine();
      enlargements = probe.Count();
    }
    EXPECT_TRUE(got == line) << "length " << got.size();
    // Storage that doubles needs about log2(length / 4096) + 1 requests; fixed steps need thousands.
    EXPECT_LE(enlargements, 16u) << "length " << length;
    EXPECT_EQ(reader.ReadLine(), "z");
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(LineReader, BlocksAreBlockSizeAndShareThePositionWithReadLine) {
  TempFolder folder;
  const size_t block = LineReader::BlockSize;
  std::string bytes(2 * block + 1808, 'b');
  bytes[3] = '\n';
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(folder.Write("f.txt", bytes)));
  ASSERT_TRUE(reader.NextBlock());
  EXPECT_EQ(reader.Unread().size(), block);
  reader.Take(4);
  EXPECT_EQ(reader.Unread().size(), block - 4);
  EXPECT_TRUE(reader.NextBlock()) << "a block with bytes left is not replaced";
  EXPECT_EQ(reader.Unread().size(), block - 4);
  EXPECT_EQ(reader.ReadLine(), std::string(bytes.size() - 4, 'b'));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.NextBlock());
  EXPECT_TRUE(reader.Unread().empty());
}

TEST(LineReader, ReopeningStartsTheNewFileFromItsStart) {
  TempFolder folder;
  const std::string first = folder.Write("a.txt", "a1\na2\n");
  const std::string second = folder.Write("b.txt", "b1\nb2\n");
  LineReader reader;
  ASSERT_TRUE(reader.OpenForReading(first));
  EXPECT_EQ(reader.ReadLine(), "a1");
  ASSERT_TRUE(reader.OpenForReading(second));
  EXPECT_EQ(reader.ReadLine(), "b1");
  EXPECT_FALSE(reader.OpenForReading(folder.Path("missing.txt")));
  EXPECT_FALSE(reader.IsOpen());
  reader.CloseReader();
  EXPECT_FALSE(reader.IsOpen());
}

TEST(LineReader, WhatCannotBeOpenedGivesFalse) {
  TempFolder folder;
  const std::string paths[] = {folder.Path("missing.txt"), folder.MakeFolder("sub.txt"),
                               folder.Text(), "", folder.Path("f.txt") + '\0' + "x"};
  folder.Write("f.txt", "content");
  for (const std::string& path : paths) {
    LineReader reader;
    EXPECT_FALSE(reader.OpenForReading(path)) << path;
    EXPECT_FALSE(reader.IsOpen()) << path;
  }
}

}  // namespace
}  // namespace sucholin::testing
