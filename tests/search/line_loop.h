// The word search done the slow way, the reference ScanFile is held to: each line by ReadLine,
// searched with FindText.
#pragma once

#include <string>
#include <string_view>

#include "search/search.h"

namespace sucholin::testing {

// The row ScanFile must hand on for the file at path, shown as name: "" without a hit.
inline std::string LineLoopRow(const std::string& path, std::string_view word,
                               const std::string& name) {
  std::string hits;
  LineReader reader;
  int64_t line = 0;
  if (!reader.OpenForReading(path)) return "(unopened)";
  do {
    ++line;
    if (FindText(reader.ReadLine(), word, 1) == 0) continue;
    hits.append(hits.empty() ? "" : ",").append(NumberText(line));
  } while (!reader.AtEnd());
  return hits.empty() ? "" : name + "\n" + hits;
}

}  // namespace sucholin::testing
