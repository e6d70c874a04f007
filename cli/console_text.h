// Texts written as the stream they go to shows them.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace sucholin::cli {

// A fixed text, given in code page 1252, in the platform's own text bytes.
std::string FixedText(std::string_view cp1252);
// Writes the platform's own text bytes to stdout or stderr; false when the write failed.
bool WriteText(std::FILE* stream, std::string_view bytes);

}  // namespace sucholin::cli
