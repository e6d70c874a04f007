// Scratch folders and files for the search tests, removed when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sucholin::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder as the core takes it: ending in the platform's separator.
  std::string Text() const;
  // name inside the folder, as a path text.
  std::string Path(std::string_view name) const;
  // Writes bytes to name (creating or replacing it) and answers its path text.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path root;
};

}  // namespace sucholin::testing
