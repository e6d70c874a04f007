// The forms a word is searched in, and UTF-16 files read as UTF-8.
#include <algorithm>
#include <optional>

#include "search/file_scan.h"

namespace sucholin::scan {
namespace {

// Code page 1252's bytes 0x80..0x9F, where it differs from Latin-1; 0 marks the five it leaves
// undefined.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character at text[i], moving i past it; nothing when the bytes there are no UTF-8.
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  size_t length = 4;
  char32_t least = 0x10000;
  if (lead >= 0xC2 && lead < 0xE0) {
    length = 2;
    least = 0x80;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3;
    least = 0x800;
  } else if (lead < 0xF0 || lead >= 0xF5) {
    return std::nullopt;
  }
  if (text.size() - i < length) return std::nullopt;
  char32_t c = lead & (0x7Fu >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
    c = c << 6 | (byte(i + k) & 0x3Fu);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
  i += length;
  return c;
}

// The character's byte in code page 1252, if it has one of its own (no best fit).
std::optional<char> Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* const at = std::find(std::begin(Cp1252High), std::end(Cp1252High), c);
  if (at == std::end(Cp1252High)) return std::nullopt;
  return static_cast<char>(0x80 + (at - std::begin(Cp1252High)));
}

}  // namespace

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    if (!DecodeUtf8(text, i)) return false;
  }
  return true;
}

WordForms FormsOf(std::string_view word) {
  WordForms forms;
  if (word.empty() || word.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return forms;
  }
  forms.eightBit.emplace_back(word);
  if (!IsUtf8(word)) return forms;
  forms.wide.emplace_back(word);
  std::string cp1252;
  for (size_t i = 0; i < word.size();) {
    const std::optional<char> byte = Cp1252Byte(*DecodeUtf8(word, i));
    if (!byte) return forms;
    cp1252 += *byte;
  }
  if (cp1252 != word) forms.eightBit.push_back(std::move(cp1252));
  return forms;
}

void Utf16Decoder::Put(char16_t unit, char*& to) {
  const auto put = [&](uint32_t byte) { *to++ = static_cast<char>(byte); };
  if (high != 0) {
    const char16_t first = high;
    high = 0;
    if (unit >= 0xDC00 && unit < 0xE000) {
      const uint32_t c = 0x10000 + ((first - 0xD800u) << 10) + (unit - 0xDC00u);
      put(0xF0 | c >> 18);
      put(0x80 | (c >> 12 & 0x3F));
      put(0x80 | (c >> 6 & 0x3F));
      put(0x80 | (c & 0x3F));
      return;
    }
    put(0xFF);
  }
  if (unit < 0x80) {
    put(unit);
  } else if (unit < 0x800) {
    put(0xC0 | unit >> 6);
    put(0x80 | (unit & 0x3Fu));
  } else if (unit >= 0xD800 && unit < 0xDC00) {
    high = unit;
  } else if (unit < 0xE000 && unit >= 0xDC00) {
    put(0xFF);
  } else {
    put(0xE0 | unit >> 12);
    put(0x80 | (unit >> 6 & 0x3Fu));
    put(0x80 | (unit & 0x3Fu));
  }
}

std::string_view Utf16Decoder::Decode(std::string_view bytes) {
  // Each unit gives at most three bytes; one more where a surrogate from before is settled.
  out.resize(std::max(out.size(), 3 * (bytes.size() / 2 + 1) + 1));
  char* to = out.data();
  const auto unitAt = [&](char a, char b) {
    const auto first = static_cast<uint8_t>(a);
    const auto second = static_cast<uint8_t>(b);
    return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  };
  size_t i = 0;
  if (oddByte && !bytes.empty()) {
    Put(unitAt(*oddByte, bytes[0]), to);
    oddByte.reset();
    i = 1;
  }
  // Runs of units below 0x80 go to the vector kernel, the others one by one.
  bool ascii = true;
  while (bytes.size() - i >= 2) {
    if (ascii && high == 0) {
      const size_t n = kernels.narrowAscii(bytes.data() + i, (bytes.size() - i) / 2, bigEndian, to);
      i += 2 * n;
      to += n;
      if (bytes.size() - i < 2) break;
    }
    const char16_t unit = unitAt(bytes[i], bytes[i + 1]);
    Put(unit, to);
    ascii = unit < 0x80;
    i += 2;
  }
  if (i < bytes.size()) oddByte = bytes[i];
  return {out.data(), static_cast<size_t>(to - out.data())};
}

}  // namespace sucholin::scan
