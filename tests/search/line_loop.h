// The word search done the slow way, the reference ScanFile is held to: each line by ReadLine,
// searched with FindText; and the folder search done one file after another.
#pragma once

#include <string>
#include <string_view>
#include <thread>

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

// Rows and outcomes as one text, in the order a search hands them on, and whether it did so on
// another thread than the one that made this.
struct Told {
  std::string text;
  const std::thread::id caller = std::this_thread::get_id();
  void Note(std::string_view event) {
    text.append(event).append(std::this_thread::get_id() == caller ? "|" : " elsewhere|");
  }
  RowSink Rows() {
    return [this](std::string_view row) { Note(row); };
  }
  OutcomeSink Outcomes() {
    return [this](std::string_view name, FileOutcome outcome) {
      Note(std::string(name) + " " + NumberText(static_cast<int32_t>(outcome)));
    };
  }
};

// What SearchFolder must hand on: the candidates read by one reader, in listing order.
inline std::string OneAfterAnother(std::string_view word) {
  Told told;
  LineReader reader;
  const HeldFolder folder(ChosenFolder);
  for (int32_t i = 0; i < CandidateCount; ++i) {
    const std::string& name = CandidateList[static_cast<size_t>(i)];
    told.Outcomes()(name, ScanCandidate(reader, folder, name, word, told.Rows()));
  }
  return told.text;
}

}  // namespace sucholin::testing
