// The search state and the folder and single-file searches over it.
#include <gtest/gtest.h>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin {
namespace {

using testing::Candidates;
using testing::FileRows;
using testing::FolderRows;
using testing::TempFolder;
using Rows = std::vector<std::string>;

class WordSearch : public testing::SearchStateTest {
 protected:

  // Fills the first slots with names, as a folder scan would.
  void Prepare(const TempFolder& folder, const std::vector<std::string>& names) {
    ChosenFolder = folder.Text();
    for (const std::string& name : names) CandidateList[CandidateCount++] = name;
  }
};

TEST_F(WordSearch, FolderSearchGoesThroughTheSlotsInOrderAndSkipsWhatCannotBeRead) {
  TempFolder folder;
  folder.Write("b.txt", "x\nWort\nx\nx\nWort\n");
  folder.Write("a.txt", "Wort");
  folder.Write("none.txt", "wort\n");
  folder.Write("late.txt", "Wort");
  folder.MakeFolder("sub.txt");
  Prepare(folder, {"b.txt", "gone.txt", "sub.txt", "none.txt", "a.txt"});
  CandidateList[CandidateCount] = "late.txt";  // a slot that does not count

  EXPECT_EQ(FolderRows("Wort"), (Rows{"b.txt\n2,5", "a.txt\n1"}));
}

TEST_F(WordSearch, RepeatedFolderSearchListsTheSameRows) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  folder.Write("b.txt", "\nWort");
  Prepare(folder, {"a.txt", "b.txt"});
  const Rows expected{"a.txt\n1", "b.txt\n2"};

  EXPECT_EQ(FolderRows("Wort"), expected);
  EXPECT_EQ(FolderRows("Wort"), expected);
  EXPECT_EQ(Candidates(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(WordSearch, CountSetToZeroByACancelledChoiceLeavesNamesButSearchesNothing) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  Prepare(folder, {"a.txt"});
  CandidateCount = 0;

  EXPECT_TRUE(FolderRows("Wort").empty());
  EXPECT_EQ(CandidateList[0], "a.txt");
}

TEST_F(WordSearch, CountBeyondTheSlotsSearchesOnlyTheSlotsThatExist) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  Prepare(folder, {"a.txt"});
  CandidateCount = CandidateSlots + 5;

  EXPECT_EQ(FolderRows("Wort"), (Rows{"a.txt\n1"}));
}

TEST_F(WordSearch, FileSearchNamesTheRowAfterTheFileAndLeavesTheCandidatesAlone) {
  TempFolder folder;
  ChosenFile = folder.Write("brief.txt", "a\nWort\nWort Wort\n");
  CandidateList[0] = "other.txt";
  CandidateCount = 1;

  EXPECT_EQ(FileRows("Wort"), (Rows{"brief.txt\n2,3"}));
  EXPECT_EQ(FileRows("Wort"), (Rows{"brief.txt\n2,3"}));
  EXPECT_EQ(Candidates(), (std::vector<std::string>{"other.txt"}));
}

TEST_F(WordSearch, FileSearchWithoutAReadableFileListsNothing) {
  TempFolder folder;
  for (const std::string& chosen : {std::string(), folder.Text(), folder.Path("gone.txt")}) {
    ChosenFile = chosen;
    EXPECT_TRUE(FileRows("Wort").empty()) << chosen;
  }
}

TEST_F(WordSearch, ResetBringsBackTheStartState) {
  CandidateList.resize(CandidateSlots + 100, "x.txt");
  CandidateCount = CandidateSlots + 100;
  ChosenFolder = "somewhere";
  ChosenFile = "somewhere/x.txt";

  ResetSearchState();

  EXPECT_EQ(CandidateList, std::vector<std::string>(CandidateSlots));
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_TRUE(ChosenFolder.empty());
  EXPECT_TRUE(ChosenFile.empty());
}

}  // namespace
}  // namespace sucholin
