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
  std::string name = "sucholin-test-";  // appended step by step: GCC 12 warns on "..." + string&&
  name += std::to_string(stamp) + "-" + std::to_string(serial++);
  root = fs::temp_directory_path() / name;
  fs::create_directories(root);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

std::string TempFolder::Text() const {
  std::string text = root.string();
  if (text.empty() || text.back() != FolderSeparator) text += FolderSeparator;
  return text;
}

std::string TempFolder::Path(std::string_view name) const { return Text() + std::string(name); }

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = Path(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string TempFolder::MakeFolder(std::string_view name) const {
  const std::string path = Path(name);
  fs::create_directories(path);
  return path;
}

}  // namespace sucholin::testing
