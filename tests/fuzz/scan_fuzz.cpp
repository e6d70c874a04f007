// Fuzzes the file scan against the line-by-line search of the same bytes, in every encoding: one
// row, the same hits.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "search/file_scan.h"
#include "tests/search/line_loop.h"

using namespace sucholin;

namespace {

// The characters files are made of, in each encoding; 0xD800 is a surrogate without its pair.
constexpr char32_t Alphabet[16] = {
    'a',       U'\u0085', 'a',       'b',       'b',           '\r',   '\n', 0,
    U'\u00FC', U'\u20AC', U'\u00DF', U'\u03A9', U'\U0001D11E', 0xD800, 'a',  'b'};

struct Encoded {
  std::string utf8, cp1252;
  std::u16string utf16;
  bool inCp1252 = true;  // every character has a code page 1252 byte
};

void Append(Encoded& text, char32_t c) {
  if (c < 0x80) {
    text.utf8 += static_cast<char>(c);
  } else if (c < 0x800) {
    text.utf8.append({static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))});
  } else if (c < 0x10000) {
    text.utf8.append({static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                      static_cast<char>(0x80 | (c & 0x3F))});
  } else {
    text.utf8.append({static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
                      static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                      static_cast<char>(0x80 | (c & 0x3F))});
  }
  if (c < 0x10000) {
    text.utf16 += static_cast<char16_t>(c);
  } else {
    text.utf16.append({static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                       static_cast<char16_t>(0xDC00 + (c & 0x3FF))});
  }
  const bool own = c < 0x80 || (c >= 0xA0 && c < 0x100) || c == U'\u20AC';
  text.cp1252 += own ? static_cast<char>(c == U'\u20AC' ? 0x80 : c) : '?';
  text.inCp1252 = text.inCp1252 && own;
}

}  // namespace

// The first three bytes cut the word from the characters, up to 64 of them; with bit 0x80 its last
// character changes, so that it is there or nearly there. The fourth picks the encoding (bits 0-1),
// an odd last byte (bit 2) and the block size (the rest). From the fifth on, each byte is a
// character, or from 0xF0 repeats the one before it, so that short inputs still make long lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  constexpr size_t Most = 512;
  std::vector<char32_t> chars;
  for (size_t i = 4; i < size && chars.size() < Most; ++i) {
    if (data[i] >= 0xF0 && !chars.empty()) {
      chars.insert(chars.end(), std::min<size_t>((data[i] - 0xEFu) * 8, Most - chars.size()),
                   chars.back());
    } else {
      chars.push_back(Alphabet[data[i] & 0x0F]);
    }
  }
  Encoded content;
  for (const char32_t c : chars) Append(content, c);
  const size_t from = (data[1] * 256u + data[2]) % (chars.size() + 1);
  std::vector<char32_t> wordChars(
      chars.begin() + static_cast<ptrdiff_t>(from),
      chars.begin() + static_cast<ptrdiff_t>(std::min(chars.size(), from + 1 + data[0] % 64)));
  if ((data[0] & 0x80) != 0 && !wordChars.empty())
    wordChars.back() = Alphabet[(data[0] >> 2) & 0x0F];
  Encoded word;
  for (const char32_t c : wordChars) Append(word, c);
  // A lone surrogate makes the word no UTF-8: it is searched as its bytes alone.
  const bool valid = std::find(wordChars.begin(), wordChars.end(), 0xD800) == wordChars.end();
  const testing::Word forms{word.utf8, valid && word.inCp1252 ? word.cp1252 : "",
                            valid ? word.utf16 : u""};

  const int encoding = data[3] & 3;
  std::string file = encoding == 0 ? content.cp1252 : content.utf8;
  if (encoding >= 2) {
    const bool big = encoding == 3;
    file = big ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : content.utf16) {
      const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
      file.append({big ? high : low, big ? low : high});
    }
  }
  if ((data[3] & 4) != 0) file += 'a';
  const size_t block = 1 + static_cast<size_t>(data[3] >> 3) * (data[3] >> 3);

  // Each block in a buffer of exactly its size, so that a read beyond it is seen.
  scan::FileScan scan(word.utf8, "f");
  for (size_t at = 0; at <= file.size(); at += block) {
    const std::string part = file.substr(at, block);
    const auto copy = std::make_unique<char[]>(part.size());
    std::copy(part.begin(), part.end(), copy.get());
    scan.Feed({copy.get(), part.size()});
  }
  if (scan.Finish() != testing::LineLoopRow(file, forms, "f")) std::abort();
  return 0;
}
