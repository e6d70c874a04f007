// Byte-wise text operations: decimal numbers, path parts, equality.

#include "search/search.h"

namespace sucholin {
namespace {

// A leading double-quote character encloses the path and is not part of it.
size_t QuotedStart(std::string_view path) { return !path.empty() && path[0] == '"' ? 1 : 0; }

}  // namespace

std::string DecimalText(uint64_t magnitude, bool negative) {
  char digits[20];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text;
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
