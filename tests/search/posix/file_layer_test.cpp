// POSIX file layer: only regular files open, links are followed, and a FIFO never blocks.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "search/search.h"
#include "tests/search/line_oracle.h"
#include "tests/search/test_files.h"

namespace sucholin::testing {
namespace {

TEST(PosixFileLayer, FifoAndDevicesAreNotOpened) {
  TempFolder folder;
  const std::string fifo = folder.Path("pipe.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // No writer is attached: opening for a blocking read would wait here for ever.
  LineReader reader;
  EXPECT_FALSE(reader.OpenForReading(fifo));
  EXPECT_TRUE(ScanRows(fifo, "a").empty());
  EXPECT_FALSE(reader.OpenForReading("/dev/null"));
  EXPECT_FALSE(reader.IsOpen());
}

TEST(PosixFileLayer, LinksAreFollowed) {
  TempFolder folder;
  const std::string target = folder.Write("target.txt", "one\nWort\n");
  std::filesystem::create_symlink(target, folder.Path("link.txt"));
  std::filesystem::create_directory_symlink(folder.MakeFolder("sub"), folder.Path("dir.txt"));
  std::filesystem::create_symlink(folder.Path("gone"), folder.Path("dangling.txt"));
  EXPECT_EQ(ScanHits(folder.Path("link.txt"), "Wort"), "2");
  LineReader reader;
  EXPECT_FALSE(reader.OpenForReading(folder.Path("dir.txt")));
  EXPECT_FALSE(reader.OpenForReading(folder.Path("dangling.txt")));
}

}  // namespace
}  // namespace sucholin::testing
