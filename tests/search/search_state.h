// Reading the search state and the platform's own view of a folder, for the search tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "search/search.h"

namespace sucholin::testing {

// The names that count: slots 0 to CandidateCount - 1.
inline std::vector<std::string> Candidates() {
  return {CandidateList.begin(), CandidateList.begin() + CandidateCount};
}

inline std::vector<std::string> FolderRows(std::string_view word) {
  std::vector<std::string> rows;
  SearchFolder(word, [&](std::string_view row) { rows.emplace_back(row); });
  return rows;
}

inline std::vector<std::string> FileRows(std::string_view word) {
  std::vector<std::string> rows;
  SearchFile(word, [&](std::string_view row) { rows.emplace_back(row); });
  return rows;
}

// Starts and ends every test with the state of a fresh program.
class SearchStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSearchState(); }
  void TearDown() override { ResetSearchState(); }

  // What the select button does in folder mode once the chooser answered folder.
  void Choose(const std::string& folder) {
    ChosenFolder = folder;
    CandidateCount = 0;
    shown.clear();
    CollectCandidates(folder, [this](const std::string& text) { shown.push_back(text); });
  }

  std::vector<std::string> shown;  // every text handed to showFolder
};

// The folder's entries in the order a listing hands them out: on Windows the order of the
// platform's own directory iteration; elsewhere sorted as Windows' file system keeps them,
// ASCII letters as upper case, ties by bytes.
inline std::vector<std::string> PlatformOrder(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
#ifndef _WIN32
  const auto key = [](const std::string& name) {
    std::string upper = name;
    for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    return std::pair(upper, name);
  };
  std::sort(names.begin(), names.end(),
            [&](const std::string& a, const std::string& b) { return key(a) < key(b); });
#endif
  return names;
}

}  // namespace sucholin::testing
