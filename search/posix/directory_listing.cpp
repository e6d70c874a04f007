// One level of one folder through POSIX opendir and readdir.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <climits>

#include "search/search.h"

namespace sucholin {
namespace {

// The listing's own type saves a system call per entry; links count as what they lead to, so a
// link to a folder is a folder. A dangling link is a file, which then cannot be opened.
int32_t KindOf(int folder, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return DirectoryListing::File;
    case DT_DIR:
      return DirectoryListing::Directory;
    case DT_LNK:
    case DT_UNKNOWN:
      break;
    default:
      return DirectoryListing::Special;
  }
  struct stat target;
  if (fstatat(folder, entry.d_name, &target, 0) != 0) return DirectoryListing::File;
  if (S_ISDIR(target.st_mode)) return DirectoryListing::Directory;
  return S_ISREG(target.st_mode) ? DirectoryListing::File : DirectoryListing::Special;
}

}  // namespace

struct DirectoryListing::Platform {
  DIR* folder = nullptr;
  std::string pattern;  // empty: every entry
  std::string name;
  int32_t kind = NoListing;

  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  ~Platform() {
    if (folder != nullptr) closedir(folder);
  }
};

bool DirectoryListing::OpenListing(const std::string& folder, const std::string& pattern) {
  CloseListing();
  // An empty folder text is the current folder, as a bare "*.*" is on Windows.
  std::string text = folder.empty() ? std::string(".") : folder;
  if (text.back() != '/') text += '/';
  // The folder text, its closing zero included, must fit the platform's path limit.
  if (text.size() >= PATH_MAX) return false;
  DIR* opened = opendir(text.c_str());
  if (opened == nullptr) return false;
  platform = new Platform;
  platform->folder = opened;
  // "*.*" means every entry, as on Windows, names without a dot included.
  if (!pattern.empty() && pattern != "*.*") platform->pattern = pattern;
  return true;
}

bool DirectoryListing::NextEntry() {
  if (platform == nullptr) return false;
  // A read error ends the enumeration like the end of the folder.
  while (const dirent* entry = readdir(platform->folder)) {
    if (!platform->pattern.empty() && fnmatch(platform->pattern.c_str(), entry->d_name, 0) != 0) {
      continue;
    }
    platform->name = entry->d_name;
    platform->kind = KindOf(dirfd(platform->folder), *entry);
    return true;
  }
  return false;
}

int32_t DirectoryListing::EntryKind() const { return platform == nullptr ? NoListing : platform->kind; }

std::string DirectoryListing::EntryName() const {
  return platform == nullptr ? std::string() : platform->name;
}

void DirectoryListing::CloseListing() {
  delete platform;
  platform = nullptr;
}

}  // namespace sucholin
