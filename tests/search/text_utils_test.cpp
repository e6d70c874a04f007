// The text utilities, and the code page 1252 texts as UTF-8.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "search/search.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

TEST(FindText, PositionsAndStartClamping) {
  const struct {
    std::string_view in, word;
    int32_t start, position;
  } cases[] = {
      {"abc", "", 1, 0},
      {"xWortyWort", "Wort", 2, 2},
      {"xWortyWort", "Wort", 3, 7},
      {"abcab", "ab", INT32_MIN, 1},
      // The text ends before the byte that would complete the word.
      {std::string_view("abc", 2), "bc", 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindText(c.in, c.word, c.start), c.position)
        << "'" << c.in << "' '" << c.word << "' from " << c.start;
  }
}

TEST(NumberAndRightPart, BoundsOfTheirTypes) {
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(INT32_MIN), "-2147483648");
  EXPECT_EQ(NumberText(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(RightPart("abcd", 3), "bcd");
  EXPECT_EQ(RightPart("abcd", INT32_MIN), "");
}

TEST(PathParts, ExtensionFileNameAndFolder) {
  const struct {
    std::string_view path, extension, fileName, folder;
  } cases[] = {
      {"D:\\data\\archive.tar.gz", "gz", "archive.tar.gz", "D:\\data\\"},
      {"D:\\data.old\\readme", "", "readme", "D:\\data.old\\"},
      {"\"D:\\my data\\a b.txt\"", "txt", "a b.txt", "D:\\my data\\"},
      {"notes.txt", "txt", "notes.txt", ""},
      // Only separators before the first vertical bar count for the folder.
      {"C:\\tools\\run.exe|D:\\x\\", "", "", "C:\\tools\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtensionPart(c.path), c.extension) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.fileName) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
  }
}

TEST(Utf8FromCp1252, EveryRangeOfTheTable) {
  const struct {
    std::string_view cp1252, utf8;
  } cases[] = {
      {"\x80", "\xE2\x82\xAC"},  // euro sign
      {"\x9F", "\xC5\xB8"},      // the last byte of the special range
      {"\x81", "\xEF\xBF\xBD"},  // undefined: the replacement character
      {"\x84\x96", "\xE2\x80\x9E\xE2\x80\x93"},  // low double quote, en dash
      {"\xA0", "\xC2\xA0"},      // from here on, Latin-1
      {"Wort\x7Fgr\xFC\xDF\xFF", "Wort\x7Fgr\xC3\xBC\xC3\x9F\xC3\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(texts::Utf8FromCp1252(c.cp1252), c.utf8) << ::testing::PrintToString(c.cp1252);
  }
}

}  // namespace
}  // namespace sucholin
