// The folder listing and the choice of candidate files from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin {
namespace {

namespace fs = std::filesystem;
using testing::Candidates;
using testing::FolderRows;
using testing::PlatformOrder;
using testing::TempFolder;
using Names = std::vector<std::string>;

using FolderScan = testing::SearchStateTest;

// The platform's order, keeping only the names in wanted.
Names InPlatformOrder(const TempFolder& folder, const std::set<std::string>& wanted) {
  Names names = PlatformOrder(folder.Root());
  std::erase_if(names, [&](const std::string& name) { return !wanted.contains(name); });
  return names;
}

TEST_F(FolderScan, KeepsFilesWithASearchedExtensionInPlatformOrder) {
  struct Case {
    const char* name;
    bool kept;
  };
  const Case cases[] = {
      {"a.txt", true},        {"b.TXT", false},          {"c.perl", true},
      {"d.pl", false},        {"e", false},              {".txt", true},
      {"page.html", true},    {"page.htm", true},        {"x.Txt", false},
      {"y.xml", true},        {"z.bat", true},           {"p.pb", true},
      {"q.pbi", true},        {"r.php", true},           {"archive.tar.txt", true},
      {"notes.txt.old", false}, {"s.htmlx", false},      {"t.pbx", false},
      {"name.", false},       {".hidden.txt", true},     {"ein langer Dateiname.html", true},
  };
  TempFolder folder;
  std::set<std::string> kept;
  for (const Case& c : cases) {
    folder.Write(c.name, "Wort\n");
    if (c.kept) kept.insert(c.name);
  }
  folder.MakeFolder("sub.txt");
  folder.MakeFolder("sub");

  Choose(folder.Text());

  EXPECT_EQ(Candidates(), InPlatformOrder(folder, kept));
  // Once per file entry, matched or not, and never for the folders.
  EXPECT_EQ(shown, Names(std::size(cases), folder.Text()));
}

TEST_F(FolderScan, WithoutFileEntriesNothingIsKeptOrShown) {
  TempFolder empty;
  TempFolder onlyFolders;
  onlyFolders.MakeFolder("a.txt");
  onlyFolders.MakeFolder("b");
  TempFolder parent;
  const std::string notAFolder = parent.Write("file.txt", "Wort");
  const std::string missing = parent.Path("gone") + FolderSeparator;

  for (const std::string& folder :
       {empty.Text(), onlyFolders.Text(), notAFolder + FolderSeparator, missing}) {
    Choose(folder);
    EXPECT_EQ(CandidateCount, 0) << folder;
    EXPECT_TRUE(shown.empty()) << folder;
  }
}

TEST_F(FolderScan, FilesThatDoNotQualifyAreStillShown) {
  TempFolder folder;
  folder.Write("a.TXT", "");
  folder.Write("b", "");

  Choose(folder.Text());

  EXPECT_EQ(CandidateCount, 0);
  EXPECT_EQ(shown, Names(2, folder.Text()));
}

TEST_F(FolderScan, ChoosingAgainFillsFromTheFirstSlot) {
  TempFolder big;
  for (int i = 0; i < 5; ++i) big.Write(std::to_string(i) + ".txt", "Wort");
  TempFolder small;
  small.Write("only.txt", "Wort");

  Choose(big.Text());
  const Names first = Candidates();
  Choose(big.Text());
  EXPECT_EQ(Candidates(), first);

  Choose(small.Text());
  EXPECT_EQ(Candidates(), Names{"only.txt"});
  EXPECT_EQ(FolderRows("Wort"), Names{"only.txt\n1"});
}

TEST_F(FolderScan, MoreFilesThanSlotsAreAllKeptAndSearched) {
  const int files = CandidateSlots + 99;
  TempFolder folder;
  std::set<std::string> written;
  for (int i = 0; i < files; ++i) {
    const std::string name = std::to_string(i) + ".txt";
    folder.Write(name, "Wort");
    written.insert(name);
  }

  Choose(folder.Text());
  ASSERT_EQ(CandidateCount, files);
  EXPECT_EQ(Candidates(), InPlatformOrder(folder, written));

  Names expected;
  for (const std::string& name : Candidates()) expected.push_back(name + "\n1");
  EXPECT_EQ(FolderRows("Wort"), expected);
  // And again, without a new choice.
  EXPECT_EQ(FolderRows("Wort").size(), expected.size());
}

TEST_F(FolderScan, ACancelledChoiceAfterAScanSearchesNothing) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  Choose(folder.Text());
  shown.clear();

  // The chooser answered nothing: the count goes to 0 and no listing is made.
  ChosenFolder.clear();
  CandidateCount = 0;

  EXPECT_TRUE(FolderRows("Wort").empty());
  EXPECT_EQ(CandidateList[0], "a.txt");
}

class Listing : public ::testing::Test {
 protected:
  // Every entry the listing hands out, but the folder's own and its parent's.
  Names Entries(DirectoryListing& listing, std::vector<int32_t>* kinds = nullptr) {
    Names names;
    while (listing.NextEntry()) {
      const std::string name = listing.EntryName();
      if (name == "." || name == "..") {
        EXPECT_EQ(listing.EntryKind(), DirectoryListing::Directory);
        continue;
      }
      names.push_back(name);
      if (kinds != nullptr) kinds->push_back(listing.EntryKind());
    }
    return names;
  }

  void ExpectNoListing(DirectoryListing& listing) {
    EXPECT_FALSE(listing.NextEntry());
    EXPECT_EQ(listing.EntryKind(), DirectoryListing::NoListing);
    EXPECT_EQ(listing.EntryName(), "");
  }
};

TEST_F(Listing, HandsOutEveryEntryWithItsKindInPlatformOrder) {
  TempFolder folder;
  for (const char* name : {"m.txt", "a", "zz.htm", "b.TXT", "k.dat", "c.txt", "q"}) {
    folder.Write(name, "");
  }
  for (const char* name : {"dir", "sub.txt", "y"}) folder.MakeFolder(name);

  DirectoryListing listing;
  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.*"));
  std::vector<int32_t> kinds;
  const Names names = Entries(listing, &kinds);
  listing.CloseListing();

  EXPECT_EQ(names, PlatformOrder(folder.Root()));
  for (size_t i = 0; i < names.size(); ++i) {
    const bool isFolder = fs::is_directory(folder.Root() / names[i]);
    EXPECT_EQ(kinds[i], isFolder ? DirectoryListing::Directory : DirectoryListing::File)
        << names[i];
  }
  ExpectNoListing(listing);
}

TEST_F(Listing, PatternsAndFolderTexts) {
  TempFolder folder;
  folder.Write("a.txt", "");
  folder.Write("b.htm", "");
  folder.Write("c", "");
  const std::string bare = folder.Text().substr(0, folder.Text().size() - 1);
  struct Case {
    std::string folder, pattern;
    std::set<std::string> names;
  };
  const Case cases[] = {
      {folder.Text(), "", {"a.txt", "b.htm", "c"}},
      {bare, "*.*", {"a.txt", "b.htm", "c"}},
      {folder.Text(), "*.txt", {"a.txt"}},
      {folder.Text(), "*.nichts", {}},
  };
  for (const Case& c : cases) {
    DirectoryListing listing;
    ASSERT_TRUE(listing.OpenListing(c.folder, c.pattern)) << c.folder << " " << c.pattern;
    const Names names = Entries(listing);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), c.names) << c.pattern;
  }
}

TEST_F(Listing, EmptyFolderTextListsTheCurrentFolder) {
  TempFolder folder;
  folder.Write("hier.txt", "");
  const fs::path before = fs::current_path();
  fs::current_path(folder.Root());
  DirectoryListing listing;
  const bool opened = listing.OpenListing("", "");
  const Names names = Entries(listing);
  listing.CloseListing();
  fs::current_path(before);

  EXPECT_TRUE(opened);
  EXPECT_EQ(names, Names{"hier.txt"});
}

TEST_F(Listing, OutsideAListingThereIsNoEntry) {
  TempFolder folder;
  folder.Write("a.txt", "");
  DirectoryListing listing;
  ExpectNoListing(listing);

  EXPECT_FALSE(listing.OpenListing(folder.Path("gone") + FolderSeparator, "*.*"));
  ExpectNoListing(listing);

  // A failed reopening forgets the listing that was open.
  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.*"));
  EXPECT_FALSE(listing.OpenListing(folder.Path("gone"), "*.*"));
  ExpectNoListing(listing);

  ASSERT_TRUE(listing.OpenListing(folder.Text(), "*.nichts"));
  ExpectNoListing(listing);
}

}  // namespace
}  // namespace sucholin
