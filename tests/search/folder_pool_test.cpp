// The folder search on several threads against the same candidates read one after another, and
// while its files vanish and its sink fails.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <random>
#include <stdexcept>

#include "search/search.h"
#include "tests/search/line_loop.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using FolderPool = SearchStateTest;

// Random folders of no files to hundreds: files of a few bytes to more than a block, with and
// without the word; names that vanished, became folders or FIFOs, or cannot be names.
TEST_F(FolderPool, AgreesWithTheOneThreadScanInRowsOutcomesAndOrder) {
  std::mt19937 random(911);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (size_t round = 0; round < 16; ++round) {
    TempFolder folder;
    const size_t files = round < 3 ? round : 1 + below(round % 3 == 0 ? 250 : 60);
    for (size_t i = 0; i < files; ++i) {
      std::string bytes(below(8) == 0 ? below(2 * size_t{LineReader::BlockSize}) : below(300), 'x');
      for (size_t hits = below(4); hits > 0 && !bytes.empty(); --hits)
        bytes.replace(below(bytes.size()), 1, "\nWort\r");
      folder.Write(std::to_string(i) + ".txt", bytes);
    }
    Choose(folder.Text());
    for (size_t spoilt = below(4); spoilt > 0 && CandidateCount > 0; --spoilt) {
      const std::string path = folder.Path(Candidates()[below(Candidates().size())]);
      std::filesystem::remove(path);
#ifndef _WIN32
      if (below(2) == 0) mkfifo(path.c_str(), 0600);
#endif
      if (!std::filesystem::exists(path)) std::filesystem::create_directory(path);
    }
    CandidateList.insert(CandidateList.begin() + CandidateCount++ / 2, std::string(300, 'n'));
    Told pool;
    SearchFolder("Wort", pool.Rows(), pool.Outcomes());
    ASSERT_EQ(pool.text, OneAfterAnother("Wort")) << "round " << round;
  }
}

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
