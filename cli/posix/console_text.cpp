// Terminals here expect UTF-8; names are written as the file system holds them.
#include "cli/console_text.h"

#include "ui/texts.h"

namespace sucholin::cli {

std::string FixedText(std::string_view cp1252, std::FILE*) { return texts::Utf8FromCp1252(cp1252); }

std::string NameText(std::string name, std::FILE*) { return name; }

}  // namespace sucholin::cli
