// One level of one folder through POSIX opendir and readdir, in the order Windows lists names.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <memory>
#include <vector>

#include "search/search.h"

namespace sucholin {
namespace {

// The listing's own type saves a system call per entry; links count as what they lead to, so a
// link to a folder is a folder. A dangling link is a file, which then cannot be opened.
int32_t KindOf(int folder, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG: return DirectoryListing::File;
    case DT_DIR: return DirectoryListing::Directory;
    case DT_LNK:
    case DT_UNKNOWN: break;
    default: return DirectoryListing::Special;
  }
  struct stat target;
  if (fstatat(folder, entry.d_name, &target, 0) != 0) return DirectoryListing::File;
  if (S_ISDIR(target.st_mode)) return DirectoryListing::Directory;
  return S_ISREG(target.st_mode) ? DirectoryListing::File : DirectoryListing::Special;
}

unsigned char UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

// Windows' file system keeps names ordered with ASCII letters compared as upper case; readdir
// delivers them in hash order. Names equal but for case are ordered by their bytes, so that
// the order is total and the same on every run.
bool ListedBefore(const std::string& a, const std::string& b) {
  const auto folded = [](const std::string& x, const std::string& y) {
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char l, char r) {
      return UpperAscii(static_cast<unsigned char>(l)) < UpperAscii(static_cast<unsigned char>(r));
    });
  };
  if (folded(a, b)) return true;
  if (folded(b, a)) return false;
  return a < b;
}

struct Entry {
  std::string name;
  int32_t kind;
};

}  // namespace

struct DirectoryListing::Platform {
  std::vector<Entry> entries;  // the whole folder, in name order
  size_t next = 0;             // entries handed out so far
  bool broken = false;         // a read of the folder failed: entries are missing
};

bool DirectoryListing::OpenListing(const std::string& folder) {
  CloseListing();
  // An empty folder text is the current folder, as a bare "*.*" is on Windows.
  std::string text = folder.empty() ? std::string(".") : folder;
  if (text.back() != '/') text += '/';
  // The folder text, its closing zero included, must fit the platform's path limit.
  if (text.size() >= PATH_MAX) return false;
  const std::unique_ptr<DIR, int (*)(DIR*)> opened(opendir(text.c_str()), closedir);
  if (!opened) return false;
  auto listing = std::make_unique<Platform>();
  for (;;) {
    // Only errno tells a failed read from the folder's end.
    errno = 0;
    const dirent* entry = readdir(opened.get());
    if (entry == nullptr) {
      listing->broken = errno != 0;
      break;
    }
    listing->entries.push_back({entry->d_name, KindOf(dirfd(opened.get()), *entry)});
  }
  std::sort(listing->entries.begin(), listing->entries.end(),
            [](const Entry& a, const Entry& b) { return ListedBefore(a.name, b.name); });
  platform = listing.release();
  return true;
}

bool DirectoryListing::NextEntry() {
  if (platform == nullptr || platform->next == platform->entries.size()) return false;
  ++platform->next;
  return true;
}

int32_t DirectoryListing::EntryKind() const {
  return platform == nullptr || platform->next == 0 ? NoListing
                                                    : platform->entries[platform->next - 1].kind;
}

std::string DirectoryListing::EntryName() const {
  return platform == nullptr || platform->next == 0 ? std::string()
                                                    : platform->entries[platform->next - 1].name;
}

bool DirectoryListing::Broken() const { return platform != nullptr && platform->broken; }

void DirectoryListing::CloseListing() {
  delete platform;
  platform = nullptr;
}

}  // namespace sucholin
