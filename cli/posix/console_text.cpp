// Arguments are taken as given; terminals, files and pipes all get UTF-8 and names as the file
// system holds them.
#include "cli/console_text.h"

namespace sucholin::cli {

std::vector<std::string> Arguments(int argc, char** argv) { return {argv, argv + argc}; }

bool WriteText(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

}  // namespace sucholin::cli
