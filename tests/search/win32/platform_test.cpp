// What only Windows can set up: files others hold for writing, devices and pipes, file
// attributes, and its path limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "search/search.h"
#include "tests/search/line_oracle.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using WindowsPlatform = SearchStateTest;

class OwnHandle {
 public:
  explicit OwnHandle(HANDLE handle) : handle(handle) {}
  ~OwnHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  OwnHandle(const OwnHandle&) = delete;
  OwnHandle& operator=(const OwnHandle&) = delete;
  bool Valid() const { return handle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle;
};

// Only other readers are admitted, so a file someone writes to is not read half-written; and a
// pipe nobody writes to would block the read for ever.
TEST_F(WindowsPlatform, FilesHeldForWritingDevicesAndPipesAreNotOpened) {
  TempFolder folder;
  const std::string path = folder.Write("held.txt", "Wort\n");
  LineReader reader;
  for (DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
    OwnHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.Valid());
    EXPECT_FALSE(reader.OpenForReading(path)) << share;
  }
  {
    OwnHandle otherReader(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(otherReader.Valid());
    EXPECT_EQ(ScanHits(path, "Wort"), "1");
  }
  EXPECT_FALSE(reader.OpenForReading("NUL"));
  const std::string pipeName = "\\\\.\\pipe\\sucholin-test-" + std::to_string(GetCurrentProcessId());
  OwnHandle pipe(CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1,
                                  4096, 4096, 0, nullptr));
  ASSERT_TRUE(pipe.Valid());
  EXPECT_FALSE(reader.OpenForReading(pipeName));
}

TEST_F(WindowsPlatform, HiddenSystemAndReadOnlyFilesAreSearched) {
  TempFolder folder;
  const DWORD attributes[] = {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY};
  for (DWORD attribute : attributes) {
    const std::string name = std::to_string(attribute) + ".txt";
    ASSERT_TRUE(SetFileAttributesA(folder.Write(name, "Wort").c_str(), attribute));
  }
  Choose(folder.Text());
  const Names rows = FolderRows("Wort");
  for (DWORD attribute : attributes) {
    SetFileAttributesA(folder.Path(std::to_string(attribute) + ".txt").c_str(), 0);
  }
  EXPECT_EQ(rows.size(), 2u);
}

// A folder whose text, trailing backslash included, is exactly length bytes long, holding a.txt;
// made through the \\?\ form, as such folders are longer than plain paths may be.
std::string LongFolder(const TempFolder& root, size_t length) {
  std::string text = root.Text();
  text += std::string(length - text.size() - 1, 'o') + '\\';
  fs::create_directory(fs::path("\\\\?\\" + text));
  std::ofstream(fs::path("\\\\?\\" + text + "a.txt")) << "Wort";
  return text;
}

TEST_F(WindowsPlatform, AFolderWhosePatternDoesNotFitMaxPathCannotBeListed) {
  TempFolder root;
  Choose(LongFolder(root, MAX_PATH - 1 - 3));  // room for "*.*" and the zero
  EXPECT_EQ(Candidates(), Names{"a.txt"});
  Choose(LongFolder(root, MAX_PATH - 3));
  EXPECT_EQ(CandidateCount, 0);
  std::error_code ignored;
  fs::remove_all(fs::path("\\\\?\\" + root.Text()), ignored);
}

}  // namespace
}  // namespace sucholin::testing
