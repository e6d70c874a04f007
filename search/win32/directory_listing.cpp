// One level of one folder through Win32's directory search (FindFirstFileW and FindNextFileW),
// names as the file system holds them.
#include <windows.h>

#include <memory>

#include "search/search.h"
#include "search/win32/wide_text.h"

namespace sucholin {

struct DirectoryListing::Platform {
  HANDLE search = INVALID_HANDLE_VALUE;  // stays invalid for a folder without any entry
  WIN32_FIND_DATAW entry{};
  bool pending = false;  // the entry FindFirstFileW delivered has not been handed out yet
  bool broken = false;   // FindNextFileW failed before the folder's end

  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  ~Platform() {
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
};

bool DirectoryListing::OpenListing(const std::string& folder) {
  CloseListing();
  std::string text = folder;
  if (!folder.empty() && folder.back() != '\\') text += '\\';
  text += "*.*";
  // A zero byte would end the pattern early and list another folder.
  if (text.find('\0') != std::string::npos) return false;

  auto opened = std::make_unique<Platform>();
  opened->search = FindFirstFileW(win32::WidePath(text).c_str(), &opened->entry);
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
  if (FindNextFileW(platform->search, &platform->entry) != 0) return true;
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
  return win32::Narrow(platform->entry.cFileName);
}

void DirectoryListing::CloseListing() {
  delete platform;
  platform = nullptr;
}

}  // namespace sucholin
