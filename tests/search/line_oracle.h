// The word search done the slow way, line by line, to check ScanFile against; and ScanFile's answer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/search.h"

namespace sucholin::testing {

// Every line of the file, by the ReadLine / AtEnd loop of the word search.
inline std::vector<std::string> ReadAllLines(const std::string& path) {
  std::vector<std::string> lines;
  LineReader reader;
  if (!reader.OpenForReading(path)) return lines;
  do {
    lines.push_back(reader.ReadLine());
  } while (!reader.AtEnd());
  return lines;
}

// The numbers of the lines holding word, joined by commas.
inline std::string ReferenceHits(const std::vector<std::string>& lines, std::string_view word) {
  std::string hits;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (FindText(lines[i], word, 1) == 0) continue;
    if (!hits.empty()) hits += ',';
    hits += NumberText(static_cast<int64_t>(i + 1));
  }
  return hits;
}

// ScanFile's rows for path, each as the sink received it.
inline std::vector<std::string> ScanRows(const std::string& path, std::string_view word,
                                         std::string_view name = "f.txt") {
  std::vector<std::string> rows;
  ScanFile(path, word, name, [&](std::string_view row) { rows.emplace_back(row); });
  return rows;
}

// ScanFile's hit lines for path: the text after the row's line feed, empty without a row.
inline std::string ScanHits(const std::string& path, std::string_view word) {
  const std::vector<std::string> rows = ScanRows(path, word);
  if (rows.size() != 1) return rows.empty() ? std::string() : std::string("several rows");
  const size_t feed = rows[0].find('\n');
  if (feed == std::string::npos || rows[0].substr(0, feed) != "f.txt") return "bad row";
  return rows[0].substr(feed + 1);
}

}  // namespace sucholin::testing
