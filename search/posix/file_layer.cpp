// File reading on POSIX systems: regular files only, so that a FIFO or device is never opened.
#include "search/file_layer.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "search/search.h"

namespace sucholin {

extern const char FolderSeparator = '/';

namespace file_layer {

intptr_t OpenFolder(const std::string& folder) {
  if (folder.find('\0') != std::string::npos) return NoHandle;
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return fd < 0 ? NoHandle : fd;
}

void CloseFolder(intptr_t folder) {
  if (folder != NoHandle) close(static_cast<int>(folder));
}

OpenResult OpenRead(intptr_t folder, const std::string& folderText, const std::string& name,
                    intptr_t& handle, int64_t& bytes) {
  handle = NoHandle;
  const bool relative = folder != NoHandle;
  const std::string joined = relative ? std::string() : folderText + name;
  const std::string& path = relative ? name : joined;
  // A zero byte would cut the path short and name another file.
  if (path.find('\0') != std::string::npos) return OpenResult::Failed;
  if (!relative) {
    // A path not taken from a listing: its type is looked at before anything opens it.
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return OpenResult::Failed;
    if (!S_ISREG(info.st_mode)) return OpenResult::NotRegular;
  }
  // O_NONBLOCK keeps the open from waiting, should a FIFO have been put in the file's place.
  const int fd = openat(relative ? static_cast<int>(folder) : AT_FDCWD, path.c_str(),
                        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return OpenResult::Failed;
  // The entry may have been swapped since its type was told.
  struct stat opened;
  if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    close(fd);
    return OpenResult::NotRegular;
  }
  handle = fd;
  bytes = opened.st_size;
  return OpenResult::Opened;
}

int32_t ReadBlock(intptr_t handle, char* into, int32_t size) {
  ssize_t got;
  do {
    got = read(static_cast<int>(handle), into, static_cast<size_t>(size));
  } while (got < 0 && errno == EINTR);
  return got < 0 ? -1 : static_cast<int32_t>(got);
}

int32_t ReadBlockAt(intptr_t handle, char* into, int32_t size, int64_t offset) {
  ssize_t got;
  do {
    got = pread(static_cast<int>(handle), into, static_cast<size_t>(size), offset);
  } while (got < 0 && errno == EINTR);
  return got < 0 ? -1 : static_cast<int32_t>(got);
}

void Close(intptr_t handle) { close(static_cast<int>(handle)); }

// Only '/' separates; '\\' and '"' are ordinary bytes of a name.
std::string NamePart(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string NameExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

}  // namespace file_layer
}  // namespace sucholin
