// The text utilities: positions with clamped starts, decimal numbers, right parts, path parts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "search/search.h"

namespace sucholin {
namespace {

struct FindCase {
  std::string_view in;
  std::string_view word;
  int32_t start;
  int32_t position;
};

TEST(FindText, PositionsAndStartClamping) {
  const FindCase cases[] = {
      {"", "a", 1, 0},
      {"abc", "", 1, 0},
      {"", "", 1, 0},
      {"Wort", "Wort", 1, 1},
      {"wort", "Wort", 1, 0},
      {"xWortyWort", "Wort", 1, 2},
      {"xWortyWort", "Wort", 2, 2},
      {"xWortyWort", "Wort", 3, 7},
      {"xWortyWort", "Wort", 8, 0},
      {"abcab", "ab", 0, 1},
      {"abcab", "ab", -7, 1},
      {"abcab", "ab", INT32_MIN, 1},
      {"abcab", "b", 5, 5},   // start at the length tests the last byte only
      {"abcab", "a", 5, 0},
      {"abcab", "b", 6, 0},   // beyond the length: nothing is tried
      {"abcab", "b", INT32_MAX, 0},
      {"abcab", "abx", 4, 0},  // longer than the rest never matches
      {"aaab", "aab", 1, 2},
      {"x\xE4\xFC", "\xFC", 1, 3},
      {"x\xE4\xFC", "\xC4", 1, 0},
  };
  for (const FindCase& c : cases) {
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
  EXPECT_EQ(NumberText(7), "7");
  EXPECT_EQ(NumberText(10), "10");
  EXPECT_EQ(NumberText(-1), "-1");
  EXPECT_EQ(NumberText(INT32_MAX), "2147483647");
  EXPECT_EQ(NumberText(INT32_MIN), "-2147483648");
  // Line numbers are 64-bit: a file can have more than 2^31 lines.
  EXPECT_EQ(NumberText(int64_t{2147483648}), "2147483648");
  EXPECT_EQ(NumberText(int64_t{10000000000}), "10000000000");
  EXPECT_EQ(NumberText(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(NumberText(INT64_MIN), "-9223372036854775808");
}

TEST(TextLength, CountsBytes) {
  EXPECT_EQ(TextLength({}), 0);
  EXPECT_EQ(TextLength("gr\xFC\xDF"), 4);
}

TEST(RightPart, CountIsClampedToTheText) {
  EXPECT_EQ(RightPart("abcd", 3), "bcd");
  EXPECT_EQ(RightPart("abcd", 4), "abcd");
  EXPECT_EQ(RightPart("abcd", 9), "abcd");
  EXPECT_EQ(RightPart("abcd", 0), "");
  EXPECT_EQ(RightPart("abcd", -1), "");
  EXPECT_EQ(RightPart("abcd", INT32_MIN), "");
  EXPECT_EQ(RightPart({}, 3), "");
}

struct PathCase {
  std::string_view path;
  std::string_view extension;
  std::string_view fileName;
  std::string_view folder;
};

TEST(PathParts, ExtensionFileNameAndFolder) {
  const PathCase cases[] = {
      {"D:\\data\\report.txt", "txt", "report.txt", "D:\\data\\"},
      {"D:\\data\\README.TXT", "TXT", "README.TXT", "D:\\data\\"},
      {"D:\\data\\archive.tar.gz", "gz", "archive.tar.gz", "D:\\data\\"},
      {"D:/data/notes.htm", "htm", "notes.htm", "D:/data/"},
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
      {"\"C:\\a\\b.c\" -x", "c", "b.c", "C:\\a\\"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(ExtensionPart(c.path), c.extension) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.fileName) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
  }
}

TEST(TextEquals, ByteForByte) {
  EXPECT_TRUE(TextEquals({}, ""));
  EXPECT_TRUE(TextEquals({}, {}));
  EXPECT_TRUE(TextEquals("txt", "txt"));
  EXPECT_FALSE(TextEquals("txt", "TXT"));
  EXPECT_FALSE(TextEquals("txt", "txt "));
  EXPECT_FALSE(TextEquals("", "a"));
}

}  // namespace
}  // namespace sucholin
