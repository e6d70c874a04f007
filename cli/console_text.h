// The fixed code page 1252 texts as the console of this platform shows them.
#pragma once

#include <string>
#include <string_view>

namespace sucholin::cli {

std::string ConsoleText(std::string_view cp1252);

}  // namespace sucholin::cli
