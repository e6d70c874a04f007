// Folder scan cases that only Windows can set up: file attributes and its own path limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

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

using WindowsFolderScan = testing::SearchStateTest;

TEST_F(WindowsFolderScan, HiddenSystemAndReadOnlyFilesAreCandidates) {
  struct File {
    const char* name;
    DWORD attributes;
  };
  const File files[] = {
      {"alles.php", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY},
      {"fest.xml", FILE_ATTRIBUTE_READONLY},
      {"system.htm", FILE_ATTRIBUTE_SYSTEM},
      {"versteckt.txt", FILE_ATTRIBUTE_HIDDEN},
  };
  TempFolder folder;
  Names rows;
  for (const File& file : files) {
    ASSERT_TRUE(SetFileAttributesA(folder.Write(file.name, "Wort").c_str(), file.attributes));
    rows.push_back(std::string(file.name) + "\n1");
  }

  Choose(folder.Text());
  const Names found = Sorted(FolderRows("Wort"));
  for (const File& file : files) SetFileAttributesA(folder.Path(file.name).c_str(), 0);

  EXPECT_EQ(Sorted(Candidates()), (Names{"alles.php", "fest.xml", "system.htm", "versteckt.txt"}));
  EXPECT_EQ(found, rows);
}

// A folder whose text, trailing backslash included, is exactly length bytes long, holding a.txt.
// Such folders are longer than plain paths may be, so they are made through the \\?\ form.
std::string LongFolder(const TempFolder& root, size_t length) {
  std::string text = root.Text();
  text += std::string(length - text.size() - 1, 'o') + '\\';
  fs::create_directory(fs::path("\\\\?\\" + text));
  std::ofstream(fs::path("\\\\?\\" + text + "a.txt")) << "Wort";
  return text;
}

TEST_F(WindowsFolderScan, AFolderWhosePatternDoesNotFitMaxPathCannotBeListed) {
  TempFolder root;
  const std::string fits = LongFolder(root, MAX_PATH - 1 - 3);  // room for "*.*" and the zero
  const std::string over = LongFolder(root, MAX_PATH - 3);

  Choose(fits);
  EXPECT_EQ(Candidates(), Names{"a.txt"});

  shown.clear();
  Choose(over);
  EXPECT_EQ(CandidateCount, 0);
  EXPECT_TRUE(shown.empty());

  std::error_code ignored;
  fs::remove_all(fs::path("\\\\?\\" + root.Text()), ignored);
}

}  // namespace
}  // namespace sucholin
