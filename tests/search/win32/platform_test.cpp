// What only Windows can set up: files others hold for writing, and pipes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "search/search.h"
#include "tests/search/search_state.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

using WindowsPlatform = SearchStateTest;
using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;

// Only other readers are admitted, so a file someone writes to is not read half-written; and a
// pipe nobody writes to would block the read for ever, as devices such as CON would.
TEST_F(WindowsPlatform, FilesHeldForWritingAndPipesAreNotOpened) {
  TempFolder folder;
  ChosenFile = folder.Write("held.txt", "Wort\n");
  for (DWORD access : {DWORD{GENERIC_WRITE}, DWORD{GENERIC_READ}}) {
    const Handle other(CreateFileA(ChosenFile.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr),
                       &CloseHandle);
    ASSERT_NE(other.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(Rows(SearchFile, "Wort").size(), access == GENERIC_READ ? 1u : 0u) << access;
  }
  ChosenFile = "\\\\.\\pipe\\sucholin-test-" + std::to_string(GetCurrentProcessId());
  const Handle server(CreateNamedPipeA(ChosenFile.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1,
                                       4096, 4096, 0, nullptr),
                      &CloseHandle);
  ASSERT_NE(server.get(), INVALID_HANDLE_VALUE);
  EXPECT_TRUE(Rows(SearchFile, "Wort").empty());
}

}  // namespace
}  // namespace sucholin::testing
