// The ANSI code page is the program's own: its texts go out as they are.
#include "cli/console_text.h"

namespace sucholin::cli {

std::string ConsoleText(std::string_view cp1252) { return std::string(cp1252); }

}  // namespace sucholin::cli
