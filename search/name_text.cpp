// WTF-8 to UTF-16 and back, and the escaped form of a name.
#include "search/name_text.h"

#include <cstdint>

#include "search/search.h"

namespace sucholin {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code point starting at text[at], moving at past it; a byte that starts no sequence (or
// starts one that is cut short or malformed) is one U+FFFD. Surrogates are taken as WTF-8 has
// them, three bytes each.
char32_t DecodeAt(std::string_view text, size_t& at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(at);
  size_t length = 1;
  char32_t code = lead;
  uint8_t low = 0x80;  // the range of the second byte, narrowed where longer forms would overlap
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else if (lead >= 0x80) {
    ++at;
    return Replacement;
  }
  if (text.size() - at < length) {
    ++at;
    return Replacement;
  }
  for (size_t i = 1; i < length; ++i) {
    const uint8_t next = byte(at + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
      ++at;
      return Replacement;
    }
    code = (code << 6) | (next & 0x3Fu);
  }
  at += length;
  return code;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::u16string Utf16FromWtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const char32_t c = DecodeAt(text, at);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Wtf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
    }
    AppendUtf8(out, c);
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t from = at;
    const char32_t c = DecodeAt(text, at);
    // A byte that starts no sequence is one U+FFFD; the character itself takes three bytes.
    if ((c == Replacement && at - from == 1) || IsSurrogate(c)) return false;
  }
  return true;
}

std::string EscapedName(std::string_view name) {
  static constexpr char Hex[] = "0123456789abcdef";
  const bool windowsNames = FolderSeparator == '\\';
  std::string out;
  out.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    const char byte = name[i];
    const auto code = static_cast<unsigned char>(byte);
    // A Windows name's unpaired surrogate, which UTF-8 cannot hold, is written \udc80.
    size_t next = i;
    const char32_t surrogate = windowsNames ? DecodeAt(name, next) : 0;
    switch (byte) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += windowsNames ? "\\" : "\\\\"; break;
      default:
        if (code < 0x20 || code == 0x7F) {
          out += "\\x";
          out += Hex[code >> 4];
          out += Hex[code & 0xF];
        } else if (IsSurrogate(surrogate)) {
          out += "\\u";
          for (int shift = 12; shift >= 0; shift -= 4) out += Hex[(surrogate >> shift) & 0xF];
          i = next - 1;
        } else {
          out += byte;
        }
    }
  }
  return out;
}

}  // namespace sucholin
