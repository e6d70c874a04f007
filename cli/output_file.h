// The program's own output, when it is written into the folder being searched.
#pragma once

#include <string>
#include <vector>

namespace sucholin::cli {

// Those of names (files of folder) that are the very file stdout writes to; searching it would
// list the program's own rows.
std::vector<std::string> OutputFileNames(const std::string& folder,
                                         const std::vector<std::string>& names);

}  // namespace sucholin::cli
