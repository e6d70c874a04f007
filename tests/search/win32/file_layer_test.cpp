// Win32 file layer: files others hold for writing, and devices and pipes, are not opened.
#include <gtest/gtest.h>

#include <windows.h>

#include "search/search.h"
#include "tests/search/line_oracle.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

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

TEST(Win32FileLayer, FilesHeldForWritingAreNotOpened) {
  TempFolder folder;
  const std::string path = folder.Write("held.txt", "Wort\n");
  LineReader reader;
  {
    OwnHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.Valid());
    EXPECT_FALSE(reader.OpenForReading(path));
  }
  {
    // Even a writer that lets others read: our share mode admits other readers only.
    OwnHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.Valid());
    EXPECT_FALSE(reader.OpenForReading(path));
  }
  {
    OwnHandle otherReader(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(otherReader.Valid());
    EXPECT_EQ(ScanHits(path, "Wort"), "1");
  }
}

TEST(Win32FileLayer, DevicesAndPipesAreNotOpened) {
  LineReader reader;
  EXPECT_FALSE(reader.OpenForReading("NUL"));
  const std::string pipeName =
      "\\\\.\\pipe\\sucholin-test-" + std::to_string(GetCurrentProcessId());
  OwnHandle pipe(CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096,
                                  4096, 0, nullptr));
  ASSERT_TRUE(pipe.Valid());
  // Nothing is ever written into the pipe: a read from it would wait for ever.
  EXPECT_FALSE(reader.OpenForReading(pipeName));
  EXPECT_FALSE(reader.IsOpen());
}

}  // namespace
}  // namespace sucholin::testing
