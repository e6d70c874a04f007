// One level of one folder through Win32's directory search (FindFirstFileA and FindNextFileA).
#include <windows.h>

#include <algorithm>
#include <memory>

#include "search/search.h"

namespace sucholin {

struct DirectoryListing::Platform {
  HANDLE search = INVALID_HANDLE_VALUE;  // stays invalid for a folder without any entry
  WIN32_FIND_DATAA entry{};
  bool pending = false;  // the entry FindFirstFileA delivered has not been handed out yet
  bool broken = false;   // FindNextFileA failed before the folder's end

  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  ~Platform() {
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
};

bool DirectoryListing::OpenListing(const std::string& folder, const std::string& pattern) {
  CloseListing();
  const std::string_view names = pattern.empty() ? std::string_view("*.*") : pattern;
  const bool addSeparator = !folder.empty() && folder.back() != '\\';
  // The pattern text has MAX_PATH bytes of room, its closing zero included; a folder whose
  // pattern does not fit cannot be listed.
  if (folder.size() + (addSeparator ? 1 : 0) + names.size() >= MAX_PATH) return false;
  char text[MAX_PATH];
  char* end = std::copy(folder.begin(), folder.end(), text);
  if (addSeparator) *end++ = '\\';
  end = std::copy(names.begin(), names.end(), end);
  *end = '\0';

  auto opened = std::make_unique<Platform>();
  opened->search = FindFirstFileA(text, &opened->entry);
  if (opened->search != INVALID_HANDLE_VALUE) {
    opened->pending = true;
  } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
    return false;
  }
  // ERROR_FILE_NOT_FOUND: the folder is there but holds nothing, an open but empty listing.
  platform = opened.release();
  return true;
}

bool DirectoryListing::NextEntry() {
  if (platform == nullptr || platform->search == INVALID_HANDLE_VALUE) return false;
  if (platform->pending) {
    platform->pending = false;
    return true;
  }
  if (FindNextFileA(platform->search, &platform->entry) != 0) return true;
  platform->broken = GetLastError() != ERROR_NO_MORE_FILES;
  return false;
}

bool DirectoryListing::Broken() const { return platform != nullptr && platform->broken; }

int32_t DirectoryListing::EntryKind() const {
  if (platform == nullptr || platform->search == INVALID_HANDLE_VALUE) return NoListing;
  return (platform->entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Directory : File;
}

std::string DirectoryListing::EntryName() const {
  if (platform == nullptr || platform->search == INVALID_HANDLE_VALUE) return {};
  return platform->entry.cFileName;
}

void DirectoryListing::CloseListing() {
  delete platform;
  platform = nullptr;
}

}  // namespace sucholin
