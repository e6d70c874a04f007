// Scratch folders and files for the search tests, removed when the test ends.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "search/search.h"

namespace sucholin::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root = std::filesystem::temp_directory_path() / "sucholin-test-";
    root += std::to_string(stamp) + "-" + std::to_string(serial++);
    std::filesystem::create_directories(root);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder as the core takes it: ending in the platform's separator.
  std::string Text() const { return root.string() + FolderSeparator; }
  // name inside the folder, as a path text.
  std::string Path(std::string_view name) const { return Text() + std::string(name); }
  // Writes bytes to name (creating or replacing it) and answers its path text.
  std::string Write(std::string_view name, std::string_view bytes) const {
    std::string path = Path(name);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  std::filesystem::path root;
};

}  // namespace sucholin::testing
