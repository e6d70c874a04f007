// Scratch folders for the search tests.
#include "tests/search/test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>

#include "search/search.h"

namespace sucholin::testing {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
  static std::atomic<int> serial{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  root = fs::temp_directory_path() / "sucholin-test-";
  root += std::to_string(stamp) + "-" + std::to_string(serial++);
  fs::create_directories(root);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

std::string TempFolder::Text() const { return root.string() + FolderSeparator; }

std::string TempFolder::Path(std::string_view name) const { return Text() + std::string(name); }

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace sucholin::testing
