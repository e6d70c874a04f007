// Code page 1252 to UTF-8, for the fixed texts on platforms whose 8-bit encoding is UTF-8.
#include "ui/texts.h"

#include <cstdint>

namespace sucholin::texts {
namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five bytes code page 1252 leaves undefined.
constexpr char16_t High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Utf8FromCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) {
    const auto byte = static_cast<uint8_t>(ch);
    char32_t c = byte;
    if (byte >= 0x80 && byte < 0xA0) c = High[byte - 0x80] ? High[byte - 0x80] : U'\uFFFD';
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace sucholin::texts
