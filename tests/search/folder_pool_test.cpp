// The folder search on several threads while its files vanish and its sink fails. Random folders
// against the same candidates read one after another: tests/fuzz.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "search/search.h"
#include "tests/search/line_loop.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using FolderPool = SearchStateTest;

// A file removed while the search runs is either read or not opened, in its place; a sink that
// throws ends the search there, and the next one starts afresh.
TEST_F(FolderPool, FilesVanishingAndASinkThatThrows) {
  TempFolder folder;
  const auto fill = [&] {
    for (int i = 0; i < 300; ++i) folder.Write(std::to_string(i) + ".txt", "Wort\n");
    Choose(folder.Text());
  };
  fill();
  Told told;
  size_t outcomes = 0;
  SearchFolder("Wort", told.Rows(), [&](std::string_view name, FileOutcome outcome) {
    told.Outcomes()(name, outcome);
    std::error_code inUse;  // Windows keeps a file that is being read
    std::filesystem::remove(folder.Path(Candidates()[299 - outcomes++]), inUse);
  });
  size_t at = 0;
  for (const std::string& name : Candidates()) {
    const std::string row = name + "\n1|";
    const bool read = told.text.compare(at, row.size(), row) == 0;
    at += read ? row.size() : 0;
    const std::string outcome = name + (read ? " 0|" : " 2|");
    ASSERT_EQ(told.text.compare(at, outcome.size(), outcome), 0) << told.text.substr(at);
    at += outcome.size();
  }
  EXPECT_EQ(at, told.text.size());

  fill();
  size_t rows = 0;
  const RowSink throwing = [&](std::string_view) {
    if (++rows == 7) throw std::runtime_error("full");
  };
  EXPECT_THROW(SearchFolder("Wort", throwing, {}), std::runtime_error);
  EXPECT_EQ(rows, 7u);
  EXPECT_EQ(Rows(SearchFolder, "Wort").size(), 300u);
  EXPECT_EQ(FolderThreads(1), 1) << "one file is read without a thread of its own";
}

}  // namespace
}  // namespace sucholin::testing
