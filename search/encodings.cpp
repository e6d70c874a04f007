// The forms a word is searched in, and UTF-16 files turned into bytes.
#include <algorithm>
#include <optional>

#include "search/file_scan.h"
#include "search/name_text.h"

namespace sucholin::scan {
namespace {

// Code page 1252's bytes 0x80..0x9F, where it differs from Latin-1; 0 marks the five it leaves
// undefined.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character's byte in code page 1252, if it has one of its own (no best fit).
std::optional<char> Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* const at = std::find(std::begin(Cp1252High), std::end(Cp1252High), c);
  if (at == std::end(Cp1252High)) return std::nullopt;
  return static_cast<char>(0x80 + (at - std::begin(Cp1252High)));
}

// Writes the unit's bytes as Utf16Decoder gives them; answers how many.
size_t PutUnit(char16_t unit, char* to) {
  if (unit < 0x100 && (unit & 0xE0) != 0x80) {
    to[0] = static_cast<char>(unit);
    return 1;
  }
  to[0] = static_cast<char>(0x80 | unit >> 12);
  for (int i = 1; i < 4; ++i) to[i] = static_cast<char>(0x90 | (unit >> (12 - 4 * i) & 0xF));
  return 4;
}

}  // namespace

WordForms FormsOf(std::string_view word) {
  WordForms forms;
  if (word.empty() || word.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return forms;
  }
  forms.eightBit.emplace_back(word);
  if (!IsUtf8(word)) return forms;
  std::string cp1252;
  std::string& wide = forms.wide.emplace_back();
  bool inCp1252 = true;
  // A character beyond U+FFFF is two surrogate units, neither of which has a byte in 1252.
  for (const char16_t unit : Utf16FromWtf8(word)) {
    const std::optional<char> byte = Cp1252Byte(unit);
    inCp1252 = inCp1252 && byte;
    if (byte) cp1252 += *byte;
    char bytes[4];
    wide.append(bytes, PutUnit(unit, bytes));
  }
  if (inCp1252 && cp1252 != word) forms.eightBit.push_back(std::move(cp1252));
  return forms;
}

std::string_view Utf16Decoder::Decode(std::string_view bytes) {
  // Each unit gives at most four bytes.
  out.resize(std::max(out.size(), 2 * bytes.size() + 4));
  char* to = out.data();
  const auto unitAt = [&](char a, char b) {
    const auto first = static_cast<uint8_t>(a);
    const auto second = static_cast<uint8_t>(b);
    return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  };
  size_t i = 0;
  if (oddByte && !bytes.empty()) {
    to += PutUnit(unitAt(*oddByte, bytes[0]), to);
    oddByte.reset();
    i = 1;
  }
  // The vector kernel stops at each unit it does not take, which goes its own way.
  while (bytes.size() - i >= 2) {
    const size_t n = kernels.narrowLatin(bytes.data() + i, (bytes.size() - i) / 2, bigEndian, to);
    i += 2 * n;
    to += n;
    if (bytes.size() - i < 2) break;
    to += PutUnit(unitAt(bytes[i], bytes[i + 1]), to);
    i += 2;
  }
  if (i < bytes.size()) oddByte = bytes[i];
  return {out.data(), static_cast<size_t>(to - out.data())};
}

}  // namespace sucholin::scan
