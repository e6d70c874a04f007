// What only POSIX can set up: FIFOs, devices and links, names that differ only in case, and the
// descriptors a search leaves open.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

namespace fs = std::filesystem;
using PosixPlatform = SearchStateTest;

size_t OpenDescriptors() {
  return static_cast<size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

// A FIFO without a writer would block a read for ever; a device is no file to search. Links
// count as what they lead to. Every open, failed or not, gives its descriptor back, once.
TEST_F(PosixPlatform, SpecialFilesAreNotOpenedAndNoDescriptorOutlivesItsUse) {
  TempFolder folder;
  folder.Write("a.txt", "Wort");
  ASSERT_EQ(mkfifo(folder.Path("f.txt").c_str(), 0600), 0);
  fs::create_symlink(folder.Write("ziel", "\nWort\n"), folder.Path("datei.txt"));
  fs::create_directory(folder.Path("ziel.txt"));
  fs::create_directory_symlink(folder.Path("ziel.txt"), folder.Path("ordner.txt"));
  fs::create_symlink(folder.Path("gone"), folder.Path("verwaist.txt"));
  fs::create_symlink("/dev/null", folder.Path("null.txt"));
  const size_t before = OpenDescriptors();
  Choose(folder.Text());
  EXPECT_EQ(Sorted(Candidates()), (Names{"a.txt", "datei.txt", "verwaist.txt"}));
  EXPECT_EQ(shown.size(), 6u) << "every entry but the folders";
  // Names that became a FIFO or a folder after the listing.
  CandidateList[CandidateCount++] = "f.txt";
  CandidateList[CandidateCount++] = "ordner.txt";
  Names rows;
  Names notRegular;
  SearchFolder(
      "Wort", [&](std::string_view row) { rows.emplace_back(row); },
      [&](std::string_view name, FileOutcome outcome) {
        if (outcome == FileOutcome::NotRegular) notRegular.emplace_back(name);
      });
  EXPECT_EQ(Sorted(rows), (Names{"a.txt\n1", "datei.txt\n2"}));
  EXPECT_EQ(notRegular, (Names{"f.txt", "ordner.txt"})) << "refused once opened, never read";
  ChosenFile = folder.Path("a.txt");
  size_t whileTold = 0;
  SearchFile("Wort", [&](std::string_view) { whileTold = OpenDescriptors(); }, {});
  EXPECT_EQ(whileTold, before) << "the file is closed before its row goes out";
  LineReader reader;
  EXPECT_FALSE(reader.OpenForReading(folder.Path("null.txt")));
  for (const char* name : {"a.txt", "f.txt", "a.txt"})
    reader.OpenForReading(HeldFolder(folder.Text()), name);
  reader.CloseReader();
  // The closed descriptor's number is handed out again; closing the reader again must keep it.
  const int other = dup(STDERR_FILENO);
  reader.CloseReader();
  EXPECT_NE(fcntl(other, F_GETFD), -1);
  close(other);
  EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace sucholin::testing
