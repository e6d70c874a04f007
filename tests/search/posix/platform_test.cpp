// What only POSIX can set up: FIFOs, devices and links, its path limit, names that differ only
// in case, and the descriptors a search leaves open.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using PosixPlatform = SearchStateTest;

size_t OpenDescriptors() {
  return static_cast<size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

// A FIFO without a writer would block a read for ever; a device is no file to search. Links
// count as what they lead to.
TEST_F(PosixPlatform, FifosDevicesAndLinksInAFolderSearch) {
  TempFolder folder;
  TempFolder elsewhere;
  folder.Write("a.txt", "Wort");
  ASSERT_EQ(mkfifo(folder.Path("f.txt").c_str(), 0600), 0);
  fs::create_symlink(elsewhere.Write("ziel", "\nWort\n"), folder.Path("datei.txt"));
  fs::create_directory_symlink(elsewhere.MakeFolder("ordner.txt"), folder.Path("ordner.txt"));
  fs::create_symlink(elsewhere.Path("gone"), folder.Path("verwaist.txt"));
  fs::create_symlink("/dev/null", folder.Path("null.txt"));

  Choose(folder.Text());
  EXPECT_EQ(Sorted(Candidates()), (Names{"a.txt", "datei.txt", "verwaist.txt"}));
  EXPECT_EQ(shown.size(), 5u) << "every entry but the folder";
  EXPECT_EQ(Sorted(FolderRows("Wort")), (Names{"a.txt\n1", "datei.txt\n2"}));
  LineReader reader;
  for (const char* name : {"ordner.txt", "f.txt", "null.txt"}) {
    EXPECT_FALSE(reader.OpenForReading(folder.Path(name))) << name;
  }
}

TEST_F(PosixPlatform, NoDescriptorOutlivesItsUse) {
  TempFolder folder;
  const std::string file = folder.Write("a.txt", "Wort\n");
  ASSERT_EQ(mkfifo(folder.Path("f.txt").c_str(), 0600), 0);
  folder.MakeFolder("sub.txt");
  const size_t before = OpenDescriptors();
  for (int round = 0; round < 3; ++round) {
    Choose(folder.Text());
    // Names that became a FIFO or a folder after the listing.
    CandidateList[CandidateCount++] = "f.txt";
    CandidateList[CandidateCount++] = "sub.txt";
    EXPECT_EQ(FolderRows("Wort").size(), 1u);
    LineReader reader;
    for (const std::string& path : {file, folder.Path("f.txt"), folder.Path("sub.txt"), file, file}) {
      reader.OpenForReading(path);
    }
    const HeldFolder held(folder.Text());
    for (const char* name : {"a.txt", "a.txt", "f.txt", "sub.txt"}) reader.OpenForReading(held, name);
    reader.CloseReader();
    EXPECT_FALSE(reader.IsOpen());
  }
  EXPECT_EQ(OpenDescriptors(), before);

  // A closed reader's descriptor may be handed to someone else; it must not be closed again.
  int other = -1;
  {
    LineReader reader;
    ASSERT_TRUE(reader.OpenForReading(file));
    reader.CloseReader();
    other = dup(STDERR_FILENO);
  }
  EXPECT_NE(fcntl(other, F_GETFD), -1);
  close(other);
}

// Pads a folder text with "./" steps (one byte more with a "//" step) to exactly length bytes.
std::string Padded(const std::string& folder, size_t length) {
  std::string text = folder;
  if ((length - text.size()) % 2 != 0) text += '/';
  while (text.size() < length) text += "./";
  return text;
}

TEST_F(PosixPlatform, AFolderTextBeyondThePathLimitCannotBeListed) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  Choose(Padded(folder.Text(), PATH_MAX - 1));  // with its closing zero it fills PATH_MAX
  EXPECT_EQ(Candidates(), Names{"a.txt"});
  Choose(Padded(folder.Text(), PATH_MAX));
  EXPECT_EQ(CandidateCount, 0);
  // A text without its closing separator gets one, which must fit as well.
  std::string bare = Padded(folder.Text(), PATH_MAX - 1);
  bare.back() = '.';
  DirectoryListing listing;
  EXPECT_FALSE(listing.OpenListing(bare, "*.*"));
}

// Whatever order the file system keeps, names come as Windows lists them: ASCII letters as
// upper case, names equal but for case by their bytes, other bytes by their value.
TEST_F(PosixPlatform, NamesComeInWindowsNameOrder) {
  const Names ordered = {"10.txt", "9.txt",    "a.txt", "Alpha.txt", "alpha.txt",
                         "Z.txt",  "zeta.txt", "[.txt", "_x.txt",    "\xC3\xA4.txt"};
  TempFolder folder;
  for (auto name = ordered.rbegin(); name != ordered.rend(); ++name) folder.Write(*name, "");
  Choose(folder.Text());
  EXPECT_EQ(Candidates(), ordered);
}

}  // namespace
}  // namespace sucholin::testing
