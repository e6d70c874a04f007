// Terminals here expect UTF-8.
#include "cli/console_text.h"

#include "ui/texts.h"

namespace sucholin::cli {

std::string ConsoleText(std::string_view cp1252) { return texts::Utf8FromCp1252(cp1252); }

}  // namespace sucholin::cli
