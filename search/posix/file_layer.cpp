// File reading on POSIX systems: regular files only, so that a FIFO or device never blocks a search.
#include "search/file_layer.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "search/search.h"

namespace sucholin {

extern const char FolderSeparator = '/';

namespace file_layer {

intptr_t OpenRead(const std::string& path) {
  // A zero byte would cut the path short and name another file.
  if (path.find('\0') != std::string::npos) return NoHandle;
  // O_NONBLOCK keeps the open itself from waiting on a FIFO without a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return NoHandle;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return NoHandle;
  }
  return fd;
}

int32_t ReadBlock(intptr_t handle, char* into, int32_t size) {
  ssize_t got;
  do {
    got = read(static_cast<int>(handle), into, static_cast<size_t>(size));
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<int32_t>(got) : 0;
}

void Close(intptr_t handle) { close(static_cast<int>(handle)); }

}  // namespace file_layer
}  // namespace sucholin
