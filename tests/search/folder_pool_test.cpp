// The folder search on several threads against the same candidates scanned one after another:
// the same rows and outcomes in the same order, all handed on by the calling thread.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using FolderPool = SearchStateTest;

// Rows and outcomes as one sequence, in the order they were handed on.
struct Told {
  Names events;
  bool elsewhere = false;  // a sink was called on another thread than the search's

  RowSink Rows() {
    return [this](std::string_view row) { Note("row " + std::string(row)); };
  }
  OutcomeSink Outcomes() {
    return [this](std::string_view name, FileOutcome outcome) {
      Note(std::string(name) + " " + std::to_string(static_cast<int>(outcome)));
    };
  }
  void Note(std::string event) {
    elsewhere = elsewhere || std::this_thread::get_id() != caller;
    events.push_back(std::move(event));
  }
  const std::thread::id caller = std::this_thread::get_id();
};

// The candidates read by one reader in listing order.
Names OneAfterAnother(std::string_view word) {
  Told told;
  LineReader reader;
  const HeldFolder folder(ChosenFolder);
  for (int32_t i = 0; i < CandidateCount; ++i) {
    const auto& name = CandidateList[static_cast<size_t>(i)];
    told.Outcomes()(name, ScanCandidate(reader, folder, name, word, told.Rows()));
  }
  return told.events;
}

// Random folders: files of a few bytes to more than a block, with and without the word; names
// that vanished, became folders or FIFOs, or cannot be names, among the candidates.
TEST_F(FolderPool, AgreesWithTheOneThreadScanInRowsOutcomesAndOrder) {
  std::mt19937 random(911);
  auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (int round = 0; round < 16; ++round) {
    TempFolder folder;
    const size_t files = round < 4 ? size_t(round) : 1 + below(round % 3 == 0 ? 250 : 60);
    for (size_t i = 0; i < files; ++i) {
      std::string bytes(below(8) == 0 ? below(2 * LineReader::BlockSize) : below(300), 'x');
      for (size_t hits = below(4); hits > 0 && !bytes.empty(); --hits) {
        bytes.replace(below(bytes.size()), 1, "\nWort\r");
      }
      folder.Write(std::to_string(i) + ".txt", bytes);
    }
    Choose(folder.Text());
    for (size_t spoilt = below(4); spoilt > 0 && CandidateCount > 0; --spoilt) {
      const std::string path = folder.Path(Candidates()[below(Candidates().size())]);
      std::filesystem::remove(path);
      if (below(2) == 0) std::filesystem::create_directory(path);
#ifndef _WIN32
      else
        mkfifo(path.c_str(), 0600);
#endif
    }
    CandidateList.insert(CandidateList.begin() + CandidateCount / 2, std::string(300, 'n'));
    ++CandidateCount;
    Told pool;
    SearchFolder("Wort", pool.Rows(), pool.Outcomes());
    ASSERT_EQ(pool.events, OneAfterAnother("Wort")) << "round " << round;
    ASSERT_FALSE(pool.elsewhere);
  }
}

// A file removed while the search runs is either read whole or not opened; a sink that throws
// ends the search there, and the next one starts afresh.
TEST_F(FolderPool, FilesVanishingAndASinkThatThrows) {
  TempFolder folder;
  for (int i = 0; i < 300; ++i) folder.Write(std::to_string(i) + ".txt", "Wort\n");
  Choose(folder.Text());
  Told told;
  size_t outcomes = 0;
  SearchFolder("Wort", told.Rows(), [&](std::string_view name, FileOutcome outcome) {
    told.Outcomes()(name, outcome);
    std::error_code inUse;  // Windows keeps a file that is being read
    std::filesystem::remove(folder.Path(Candidates()[299 - outcomes++]), inUse);
  });
  size_t event = 0;
  for (const std::string& name : Candidates()) {
    const bool read = event < told.events.size() && told.events[event] == "row " + name + "\n1";
    event += read ? 1 : 0;
    ASSERT_LT(event, told.events.size());
    EXPECT_EQ(told.events[event++], name + (read ? " 0" : " 2"));
  }
  EXPECT_EQ(event, told.events.size());
  EXPECT_EQ(outcomes, 300u);

  for (int i = 0; i < 300; ++i) folder.Write(std::to_string(i) + ".txt", "Wort\n");
  size_t rows = 0;
  const RowSink throwing = [&](std::string_view) {
    if (++rows == 7) throw std::runtime_error("full");
  };
  EXPECT_THROW(SearchFolder("Wort", throwing, {}), std::runtime_error);
  EXPECT_EQ(rows, 7u);
  EXPECT_EQ(Rows(SearchFolder, "Wort").size(), 300u);
}

TEST(FolderThreads, NoneBeyondTheCandidatesAndSeveralPerCore) {
  EXPECT_EQ(FolderThreads(0), 0);
  EXPECT_EQ(FolderThreads(1), 1);
  EXPECT_EQ(FolderThreads(5), 5);
  const auto cores = static_cast<int32_t>(std::max(std::thread::hardware_concurrency(), 1u));
  EXPECT_GE(FolderThreads(100000), std::max(4 * cores, 32));
  EXPECT_LE(FolderThreads(100000), 256);
}

}  // namespace
}  // namespace sucholin::testing
