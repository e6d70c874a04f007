// Terminals here expect UTF-8; names are written as the file system holds them.
#include "cli/console_text.h"

#include "ui/texts.h"

namespace sucholin::cli {

std::string FixedText(std::string_view cp1252) { return texts::Utf8FromCp1252(cp1252); }

bool WriteText(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

}  // namespace sucholin::cli
