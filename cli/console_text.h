// Texts as the stream they are written to shows them.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace sucholin::cli {

// A fixed text, in code page 1252, for stream.
std::string FixedText(std::string_view cp1252, std::FILE* stream);
// A file name, in the platform's own bytes, for stream.
std::string NameText(std::string name, std::FILE* stream);

}  // namespace sucholin::cli
