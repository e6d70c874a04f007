// The command line's texts in, and out as the stream they go to shows them.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace sucholin::cli {

// The program's arguments as the program's texts: on Windows the wide command line, so that a
// word or path is never replaced by a look-alike.
std::vector<std::string> Arguments(int argc, char** argv);
// Writes UTF-8 text (and POSIX names as their bytes) to stdout or stderr; false when the write
// failed.
bool WriteText(std::FILE* stream, std::string_view bytes);

}  // namespace sucholin::cli
