// The choice of candidate files from a folder listing, and the folder and single-file searches
// over the search state.
#include <gtest/gtest.h>

#include <filesystem>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

// One folder of candidates and non-candidates, chosen as the select button chooses it.
class FolderSearch : public SearchStateTest {
 protected:
  void SetUp() override {
    SearchStateTest::SetUp();
    for (const char* name : {"a.txt", "b.TXT", "c.perl", "d.pl", "e", ".txt", "h.xml", "i.bat",
                             "j.pb", "k.pbi", "m.tar.txt", "n.txt.1", "o.pbx", "q.", "r s.html"})
      folder.Write(name, "x\nWort\n");
    folder.Write("none.txt", "wort\n");
    std::filesystem::create_directory(folder.Path("sub.txt"));
    Choose(folder.Text());
  }

  TempFolder folder;
  const Names kept = {".txt", "a.txt", "c.perl",    "h.xml",    "i.bat",
                      "j.pb", "k.pbi", "m.tar.txt", "none.txt", "r s.html"};
};

TEST_F(FolderSearch, KeepsTheSearchedExtensionsAndSearchesThemInListingOrder) {
  EXPECT_EQ(Sorted(Candidates()), kept);
  EXPECT_EQ(shown, Names(16, folder.Text())) << "once per file entry, never for a folder";
  Names rows;
  for (const std::string& name : Candidates())
    if (name != "none.txt") rows.push_back(name + "\n2");
  EXPECT_EQ(Rows(SearchFolder, "Wort"), rows);
  DirectoryListing listing;  // a failed open ends the listing before it
  ASSERT_TRUE(listing.OpenListing(folder.Text()) && listing.NextEntry());
  EXPECT_FALSE(listing.OpenListing(folder.Path("gone")));
  EXPECT_EQ(listing.EntryKind(), DirectoryListing::NoListing);
  EXPECT_EQ(listing.EntryName(), "");
}

TEST_F(FolderSearch, ResetNamesThatCannotBeReadOrDoNotCountAndMoreThanTheSlots) {
  ChosenFile = "x.txt";
  CandidateList.resize(CandidateSlots + 100, "x.txt");
  ResetSearchState();
  EXPECT_EQ(CandidateList, Names(CandidateSlots));
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_EQ(ChosenFolder + ChosenFile, "");
  ChosenFolder = folder.Text();
  for (const char* name : {"a.txt", "gone.txt", "sub.txt", "none.txt", "c.perl"})
    CandidateList[CandidateCount++] = name;
  CandidateList[CandidateCount] = "h.xml";  // a slot that does not count
  EXPECT_EQ(Rows(SearchFolder, "Wort"), (Names{"a.txt\n2", "c.perl\n2"}));
  CandidateCount = CandidateSlots + 5;  // beyond the slots that exist
  EXPECT_EQ(Rows(SearchFolder, "Wort").size(), 3u);
  CandidateCount = 0;  // a cancelled choice
  EXPECT_TRUE(Rows(SearchFolder, "Wort").empty());
  TempFolder big;  // more files than slots are all kept
  for (int i = 0; i < CandidateSlots + 99; ++i) big.Write(std::to_string(i) + ".txt", "Wort");
  Choose(big.Text());
  EXPECT_EQ(Rows(SearchFolder, "Wort").size(), CandidateSlots + 99u);
}

}  // namespace
}  // namespace sucholin::testing
