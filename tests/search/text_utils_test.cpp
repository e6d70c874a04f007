// The text utilities, and the code page 1252 texts as UTF-8.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <iconv.h>
#endif

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
  EXPECT_EQ(NumberText(UINT64_MAX), "18446744073709551615");
  EXPECT_EQ(NumberText(short{-7}) + NumberText(size_t{42}) + NumberText(-1L), "-742-1");
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

#ifndef _WIN32
// Every byte from 0x80 as the C library's code page 1252 has it; the five bytes that it leaves
// undefined become the replacement character. ASCII, 0x7F included, stays as it is. Only the
// POSIX programs show their fixed texts in UTF-8.
TEST(Utf8FromCp1252, AgreesWithTheCLibrary) {
  EXPECT_EQ(texts::Utf8FromCp1252("Wort\x7F!"), "Wort\x7F!");
  const iconv_t toUtf8 = iconv_open("UTF-8", "CP1252");
  ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));  // NOLINT(performance-no-int-to-ptr)
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    std::string in(1, static_cast<char>(byte));
    char out[4];
    char* from = in.data();
    char* to = out;
    size_t left = 1;
    size_t room = sizeof out;
    const bool defined = iconv(toUtf8, &from, &left, &to, &room) != static_cast<size_t>(-1);
    EXPECT_EQ(texts::Utf8FromCp1252(in), defined ? std::string(out, to) : "\xEF\xBF\xBD") << byte;
  }
  iconv_close(toUtf8);
}
#endif

}  // namespace
}  // namespace sucholin
