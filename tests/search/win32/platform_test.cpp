// What only Windows can set up: files others hold for writing, pipes, and its path limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

namespace fs = std::filesystem;
using WindowsPlatform = SearchStateTest;
using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

// Only other readers are admitted, so a file someone writes to is not read half-written; and a
// pipe nobody writes to would block the read for ever, as devices such as CON would.
TEST_F(WindowsPlatform, FilesHeldForWritingAndPipesAreNotOpened) {
  TempFolder folder;
  ChosenFile = folder.Write("held.txt", "Wort\n");
  for (DWORD access : {DWORD{GENERIC_WRITE}, DWORD{GENERIC_READ}}) {
    const Handle other(CreateFileA(ChosenFile.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr), &CloseHandle);
    ASSERT_NE(other.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(Rows(SearchFile, "Wort").size(), access == GENERIC_READ ? 1u : 0u) << access;
  }
  ChosenFile = "\\\\.\\pipe\\sucholin-test-" + std::to_string(GetCurrentProcessId());
  const Handle server(CreateNamedPipeA(ChosenFile.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1,
                                       4096, 4096, 0, nullptr), &CloseHandle);
  ASSERT_NE(server.get(), INVALID_HANDLE_VALUE);
  EXPECT_TRUE(Rows(SearchFile, "Wort").empty());
}

// A folder whose pattern text "*.*" and its zero fill MAX_PATH fully, and one a byte longer; made
// through the \\?\ form, as such folders are longer than plain paths may be.
TEST_F(WindowsPlatform, AFolderWhosePatternDoesNotFitMaxPathCannotBeListed) {
  TempFolder root;
  for (size_t length : {MAX_PATH - 4, MAX_PATH - 3}) {
    const std::string text = root.Text() + std::string(length - root.Text().size() - 1, 'o') + '\\';
    fs::create_directory(fs::path("\\\\?\\" + text));
    std::ofstream(fs::path("\\\\?\\" + text + "a.txt")) << "Wort";
    Choose(text);
    EXPECT_EQ(Candidates(), length < MAX_PATH - 3 ? Names{"a.txt"} : Names{}) << length;
  }
  std::error_code ignored;
  fs::remove_all(fs::path("\\\\?\\" + root.Text()), ignored);
}

}  // namespace
}  // namespace sucholin::testing
