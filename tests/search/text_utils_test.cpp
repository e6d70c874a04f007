// The text utilities, and the code page 1252 texts as UTF-8.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
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
      {"", "a", 1, 0},
      {"abc", "", 1, 0},
      {"xWortyWort", "Wort", 1, 2},
      {"xWortyWort", "Wort", 2, 2},
      {"xWortyWort", "Wort", 3, 7},
      {"xWortyWort", "Wort", 8, 0},
      {"wort", "Wort", 1, 0},
      {"abcab", "ab", INT32_MIN, 1},
      {"abcab", "b", 5, 5},  // start at the length tests the last byte only
      {"abcab", "a", 5, 0},
      {"abcab", "b", 6, 0},
      {"abcab", "b", INT32_MAX, 0},
      {"abcab", "abx", 4, 0},
      {"aaab", "aab", 1, 2},
      {"x\xE4\xFC", "\xFC", 1, 3},
      // The text ends before the byte that would complete the word.
      {std::string_view("abc", 2), "bc", 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindText(c.in, c.word, c.start), c.position)
        << "'" << c.in << "' '" << c.word << "' from " << c.start;
  }
}

// The longest text a position can name: positions near its end must not overflow.
TEST(FindText, LongestText) {
  constexpr size_t Size = INT32_MAX;
  const auto text = std::make_unique_for_overwrite<char[]>(Size);  // untouched pages cost nothing
  std::memcpy(text.get() + Size - 4, "Wort", 4);
  const std::string_view in(text.get(), Size);
  EXPECT_EQ(FindText(in, "Wort", INT32_MAX - 3), INT32_MAX - 3);
  EXPECT_EQ(FindText(in, "Wort", INT32_MAX), 0);
}

TEST(NumberText, DecimalDigitsAndSign) {
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(10), "10");
  EXPECT_EQ(NumberText(INT32_MIN), "-2147483648");
  EXPECT_EQ(NumberText(int64_t{10000000000}), "10000000000");
  EXPECT_EQ(NumberText(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(NumberText(INT64_MIN), "-9223372036854775808");
}

TEST(RightPart, CountIsClampedToTheText) {
  EXPECT_EQ(RightPart("abcd", 3), "bcd");
  EXPECT_EQ(RightPart("abcd", 9), "abcd");
  EXPECT_EQ(RightPart("abcd", 0), "");
  EXPECT_EQ(RightPart("abcd", INT32_MIN), "");
}

TEST(PathParts, ExtensionFileNameAndFolder) {
  const struct {
    std::string_view path, extension, fileName, folder;
  } cases[] = {
      {"D:\\data\\README.TXT", "TXT", "README.TXT", "D:\\data\\"},
      {"D:\\data\\archive.tar.gz", "gz", "archive.tar.gz", "D:\\data\\"},
      {"D:\\data.old\\readme", "", "readme", "D:\\data.old\\"},
      {"D:\\data\\name.", "", "name.", "D:\\data\\"},
      {"D:\\data\\.profile", "profile", ".profile", "D:\\data\\"},
      {"D:\\data\\", "", "", "D:\\data\\"},
      {"notes.txt", "txt", "notes.txt", ""},
      {"\"D:\\my data\\a b.txt\"", "txt", "a b.txt", "D:\\my data\\"},
      {"", "", "", ""},
      {"/home/u/a.b/c", "", "c", "/home/u/a.b/"},
      {"mixed/dir\\f.x", "x", "f.x", "mixed/dir\\"},
      // Only separators before the first vertical bar count for the folder.
      {"C:\\tools\\run.exe|D:\\x\\", "", "", "C:\\tools\\"},
      {"run.exe|D:\\x\\y", "", "y", ""},
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
      {"Wort", "Wort"},
      {"\x7F", "\x7F"},
      {"\x80", "\xE2\x82\xAC"},  // euro sign
      {"\x84", "\xE2\x80\x9E"},  // low double quote
      {"\x96", "\xE2\x80\x93"},  // en dash
      {"\x9F", "\xC5\xB8"},      // the last byte of the special range
      {"\x81", "\xEF\xBF\xBD"},  // undefined: the replacement character
      {"\xA0", "\xC2\xA0"},      // from here on, Latin-1
      {"gr\xFC\xDF", "gr\xC3\xBC\xC3\x9F"},
      {"\xFF", "\xC3\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(texts::Utf8FromCp1252(c.cp1252), c.utf8) << ::testing::PrintToString(c.cp1252);
  }
}

}  // namespace
}  // namespace sucholin
