// Byte-wise text operations: decimal numbers, equality.

#include "search/search.h"

namespace sucholin {

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

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

}  // namespace sucholin
