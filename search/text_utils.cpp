// Byte-wise text operations: substring position, decimal numbers, path parts, equality.
#include <algorithm>

#include "search/search.h"

namespace sucholin {
namespace {

// Texts never exceed what a signed 32-bit length can hold; a longer view is cut there.
int32_t Length(std::string_view text) {
  return static_cast<int32_t>(std::min<size_t>(text.size(), INT32_MAX));
}

// A leading double-quote character encloses the path and is not part of it.
size_t QuotedStart(std::string_view path) { return !path.empty() && path[0] == '"' ? 1 : 0; }

}  // namespace

int32_t FindText(std::string_view in, std::string_view word, int32_t start) {
  // Positions are worked out unsigned: n + 1 and start - 1 must not overflow at any length.
  const std::string_view text = in.substr(0, static_cast<size_t>(Length(in)));
  const std::string_view sought = word.substr(0, static_cast<size_t>(Length(word)));
  if (text.empty() || sought.empty()) return 0;
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from > text.size()) return 0;
  const size_t at = text.find(sought, from);
  // at + 1 fits: a found word ends within a text of at most INT32_MAX bytes.
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at + 1);
}

std::string DecimalText(uint64_t magnitude, bool negative) {
  char digits[20];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text;
  text.reserve(count + 1);
  if (negative) text += '-';
  while (count > 0) text += digits[--count];
  return text;
}

std::string ExtensionPart(std::string_view path) {
  const size_t mark = path.find_last_of("./\\");
  if (mark == std::string_view::npos || path[mark] != '.') return {};
  const std::string_view after = path.substr(mark + 1);
  return std::string(after.substr(0, after.find('"')));
}

std::string FileNamePart(std::string_view path) {
  size_t start = QuotedStart(path);
  const size_t last = path.find_last_of("/\\");
  if (last != std::string_view::npos) start = last + 1;
  const std::string_view name = path.substr(start);
  return std::string(name.substr(0, name.find('"')));
}

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

}  // namespace sucholin
