// Folder scan cases that only POSIX can set up: links and its own path limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin {
namespace {

namespace fs = std::filesystem;
using testing::Candidates;
using testing::FolderRows;
using testing::Sorted;
using testing::TempFolder;
using Names = std::vector<std::string>;

using PosixFolderScan = testing::SearchStateTest;

TEST_F(PosixFolderScan, LinksCountAsWhatTheyLeadTo) {
  TempFolder folder;
  TempFolder elsewhere;
  const std::string target = elsewhere.Write("ziel", "\nWort\n");
  elsewhere.MakeFolder("ordner.txt");
  fs::create_symlink(target, folder.Path("datei.txt"));
  fs::create_directory_symlink(elsewhere.Path("ordner.txt"), folder.Path("ordner.txt"));
  fs::create_symlink(elsewhere.Path("gone"), folder.Path("verwaist.txt"));

  Choose(folder.Text());

  EXPECT_EQ(Sorted(Candidates()), (Names{"datei.txt", "verwaist.txt"}));
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_EQ(FolderRows("Wort"), Names{"datei.txt\n2"});
}

// Pads a folder text with "./" steps (one byte more with a "//" step) to exactly length bytes;
// it still names the same folder.
std::string Padded(const std::string& folder, size_t length) {
  std::string text = folder;
  if ((length - text.size()) % 2 != 0) text += '/';
  while (text.size() < length) text += "./";
  return text;
}

TEST_F(PosixFolderScan, AFolderTextBeyondThePathLimitCannotBeListed) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");

  // With its closing zero the longest text fills PATH_MAX exactly.
  Choose(Padded(folder.Text(), PATH_MAX - 1));
  EXPECT_EQ(Candidates(), Names{"a.txt"});

  shown.clear();
  Choose(Padded(folder.Text(), PATH_MAX));
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_TRUE(shown.empty());

  // A text without its closing separator gets one, which must fit as well.
  std::string bare = Padded(folder.Text(), PATH_MAX - 1);
  bare.back() = '.';
  DirectoryListing listing;
  EXPECT_FALSE(listing.OpenListing(bare, "*.*"));
}

}  // namespace
}  // namespace sucholin
