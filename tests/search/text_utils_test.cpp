// Names between WTF-8, UTF-16 and their escaped form; number texts.
#include <gtest/gtest.h>

#include <string>

#include "search/name_text.h"
#include "search/search.h"

namespace sucholin {
namespace {

// Every UTF-16 name, an unpaired surrogate included, comes back unchanged; a byte that starts
// no sequence (too long a form, beyond U+10FFFF, cut short) is one U+FFFD, so that no text
// becomes another valid one.
TEST(NameText, Wtf8HoldsEveryUtf16NameAndReplacesBadBytes) {
  const struct {
    std::string wtf8;
    std::u16string utf16;
    bool valid;
  } cases[] = {
      {"a\x7F\xC3\x84\xEF\xBC\xBC", u"a\x7F\u00C4\uFF3C", true},
      {"\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", u"\U0001F600\U0010FFFF", true},
      {"\xED\xA0\x80x\xED\xBF\xBF", {0xD800, u'x', 0xDFFF}, true},
      {"\x80\xC1\xBF\xF5\xE0\x9F\xBF", std::u16string(7, u'\uFFFD'), false},
      {"\xF0\x8F\xBF\xBF\xF4\x90\x80\x80", std::u16string(8, u'\uFFFD'), false},
      {"\xC3(\xE2\x82", u"\uFFFD(\uFFFD\uFFFD", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16FromWtf8(c.wtf8), c.utf16) << c.wtf8;
    EXPECT_EQ(Wtf8FromUtf16(c.utf16) == c.wtf8, c.valid) << c.wtf8;
  }
}

// Escaped as sucholin-cli writes names and the list shows them; only POSIX names hold
// backslashes, only Windows names unpaired surrogates.
TEST(NameText, EscapedNameKeepsEachNameOnOneLine) {
  const bool windows = FolderSeparator == '\\';
  const struct {
    std::string name, escaped;
  } names[] = {
      {"a\tb\nc\rd\x1b\x7F\xC3\xA4 .txt", "a\\tb\\nc\\rd\\x1b\\x7f\xC3\xA4 .txt"},
      {"a\\b", windows ? "a\\b" : "a\\\\b"},
      {"\xED\xB0\x80\xE4\xED\xBF\xBF",
       windows ? "\\udc00\xE4\\udfff" : "\xED\xB0\x80\xE4\xED\xBF\xBF"},
  };
  for (const auto& c : names) EXPECT_EQ(EscapedName(c.name), c.escaped) << c.name;
}

// Numbers of every integer type, to their extremes.
TEST(NumberText, EveryIntegerTypeToItsExtremes) {
  EXPECT_EQ(NumberText(UINT64_MAX), "18446744073709551615");
  EXPECT_EQ(NumberText(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(NumberText(int16_t{-7}) + NumberText(size_t{0}), "-70");
}

}  // namespace
}  // namespace sucholin
