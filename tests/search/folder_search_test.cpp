// The folder listing, the choice of candidate files from it, and the folder and single-file
// searches over the search state.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// One folder of candidates and non-candidates, chosen as the select button chooses it.
class FolderSearch : public SearchStateTest {
 protected:
  void SetUp() override {
    SearchStateTest::SetUp();
    for (const char* name : {"a.txt", "b.TXT", "c.perl", "d.pl", "e", ".txt", "f.html", "g.htm",
                             "h.xml", "i.bat", "j.pb", "k.pbi", "l.php", "m.tar.txt", "n.txt.old",
                             "o.htmlx", "p.pbx", "q.", "r s.html"}) {
      folder.Write(name, "x\nWort\n");
    }
    folder.Write("none.txt", "wort\n");
    folder.MakeFolder("sub.txt");
    folder.MakeFolder("sub");
    kept = {"a.txt", "c.perl", ".txt", "f.html", "g.htm", "h.xml", "i.bat", "j.pb", "k.pbi",
            "l.php", "m.tar.txt", "r s.html", "none.txt"};
  }

  Names Kept() const {
    Names names = PlatformOrder(folder.Root());
    std::erase_if(names, [&](const std::string& name) { return !kept.contains(name); });
    return names;
  }

  TempFolder folder;
  std::set<std::string> kept;
};

TEST_F(FolderSearch, KeepsTheSearchedExtensionsInPlatformOrderAndSearchesThem) {
  Choose(folder.Text());
  EXPECT_EQ(Candidates(), Kept());
  // Once per file entry, kept or not, and never for the folders.
  EXPECT_EQ(shown, Names(20, folder.Text()));
  Names rows;
  for (const std::string& name : Kept()) {
    if (name != "none.txt") rows.push_back(name + "\n2");
  }
  EXPECT_EQ(FolderRows("Wort"), rows);
  EXPECT_EQ(FolderRows("Wort"), rows) << "again, without a new choice";
}

TEST_F(FolderSearch, NamesThatCannotBeReadOrDoNotCountArePassed) {
  ChosenFolder = folder.Text();
  for (const char* name : {"a.txt", "gone.txt", "sub.txt", "none.txt", "c.perl"}) {
    CandidateList[CandidateCount++] = name;
  }
  CandidateList[CandidateCount] = "g.htm";  // a slot that does not count
  EXPECT_EQ(FolderRows("Wort"), (Names{"a.txt\n2", "c.perl\n2"}));
  CandidateCount = CandidateSlots + 5;  // beyond the slots that exist
  EXPECT_EQ(FolderRows("Wort").size(), 3u);
  CandidateCount = 0;  // a cancelled choice
  EXPECT_TRUE(FolderRows("Wort").empty());
}

TEST_F(FolderSearch, WhatCannotBeListedKeepsAndShowsNothing) {
  TempFolder onlyFolders;
  onlyFolders.MakeFolder("a.txt");
  for (const std::string& text : {onlyFolders.Text(), folder.Path("a.txt") + FolderSeparator,
                                  folder.Path("gone") + FolderSeparator}) {
    Choose(text);
    EXPECT_EQ(CandidateCount, 0) << text;
    EXPECT_TRUE(shown.empty()) << text;
  }
}

TEST_F(FolderSearch, MoreFilesThanSlotsAreAllKeptAndAChoiceAgainStartsAtSlotZero) {
  TempFolder big;
  for (int i = 0; i < CandidateSlots + 99; ++i) big.Write(std::to_string(i) + ".txt", "Wort");
  Choose(big.Text());
  ASSERT_EQ(CandidateCount, CandidateSlots + 99);
  EXPECT_EQ(FolderRows("Wort").size(), static_cast<size_t>(CandidateCount));
  EXPECT_EQ(FolderRows("Wort").back(), Candidates().back() + "\n1");
  Choose(folder.Text());
  EXPECT_EQ(Candidates(), Kept());
}

TEST_F(FolderSearch, FileSearchNamesTheRowAfterTheFileAndLeavesTheCandidatesAlone) {
  Choose(folder.Text());
  ChosenFile = folder.Write("brief.txt", "a\nWort\nWort Wort\n");
  EXPECT_EQ(FileRows("Wort"), (Names{"brief.txt\n2,3"}));
  EXPECT_EQ(Candidates(), Kept());
  for (const std::string& chosen : {std::string(), folder.Text(), folder.Path("gone.txt")}) {
    ChosenFile = chosen;
    EXPECT_TRUE(FileRows("Wort").empty()) << chosen;
  }
}

TEST_F(FolderSearch, ResetBringsBackTheStartState) {
  Choose(folder.Text());
  CandidateList.resize(CandidateSlots + 100, "x.txt");
  ChosenFile = "somewhere/x.txt";
  ResetSearchState();
  EXPECT_EQ(CandidateList, Names(CandidateSlots));
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_TRUE(ChosenFolder.empty());
  EXPECT_TRUE(ChosenFile.empty());
}

// Every entry but the folder's own and its parent's, with its kind.
Names Entries(DirectoryListing& listing, const fs::path& root) {
  Names names;
  while (listing.NextEntry()) {
    const std::string name = listing.EntryName();
    const bool isFolder = name == "." || name == ".." || fs::is_directory(root / name);
    EXPECT_EQ(listing.EntryKind(), isFolder ? DirectoryListing::Directory : DirectoryListing::File);
    if (name != "." && name != "..") names.push_back(name);
  }
  return names;
}

void ExpectNoListing(DirectoryListing& listing) {
  EXPECT_FALSE(listing.NextEntry());
  EXPECT_EQ(listing.EntryKind(), DirectoryListing::NoListing);
  EXPECT_EQ(listing.EntryName(), "");
}

TEST_F(FolderSearch, ListingPatternsAndFolderTexts) {
  const std::string bare = folder.Text().substr(0, folder.Text().size() - 1);
  DirectoryListing listing;
  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.*"));
  EXPECT_EQ(Entries(listing, folder.Root()), PlatformOrder(folder.Root()));
  ASSERT_TRUE(listing.OpenListing(bare, ""));
  EXPECT_EQ(Entries(listing, folder.Root()).size(), 22u);
  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.xml"));
  EXPECT_EQ(Entries(listing, folder.Root()), Names{"h.xml"});
  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.nichts"));
  ExpectNoListing(listing);
  EXPECT_FALSE(listing.OpenListing(folder.Path("gone"), "*.*"));
  ExpectNoListing(listing);
  listing.CloseListing();
  ExpectNoListing(listing);

  const fs::path before = fs::current_path();
  fs::current_path(folder.Root() / "sub");
  folder.Write("sub/hier.txt", "");
  const bool opened = listing.OpenListing("", "");
  fs::current_path(before);
  ASSERT_TRUE(opened) << "an empty folder text is the current folder";
  EXPECT_EQ(Entries(listing, folder.Root() / "sub"), Names{"hier.txt"});
}

}  // namespace
}  // namespace sucholin::testing
