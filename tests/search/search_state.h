// The search state as a fresh program has it, and the rows of its searches.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search.h"

namespace sucholin::testing {

using Names = std::vector<std::string>;

// The names that count: slots 0 to CandidateCount - 1.
inline Names Candidates() {
  return {CandidateList.begin(), CandidateList.begin() + CandidateCount};
}

inline Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The rows that search (SearchFolder or SearchFile) hands on.
inline Names Rows(decltype(&SearchFolder) search, std::string_view word) {
  Names rows;
  search(word, [&](std::string_view row) { rows.emplace_back(row); }, {});
  return rows;
}

// Starts and ends every test with the state of a fresh program.
class SearchStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSearchState(); }

  // What the select button does in folder mode once the chooser answered folder.
  void Choose(const std::string& folder) {
    ChosenFolder = folder;
    CandidateCount = 0;
    shown.clear();
    CollectCandidates(folder, [this](const std::string& text) { shown.push_back(text); });
  }

  Names shown;  // every text handed to showFolder
};

}  // namespace sucholin::testing
