// Preloaded into sucholin-cli: a read of a file whose path ends in $READ_FAULT_NAME fails with
// EIO once the file's first 4096 bytes have been read.
#define _GNU_SOURCE  // NOLINT(bugprone-reserved-identifier): asks glibc for RTLD_NEXT
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

ssize_t read(int fd, void *into, size_t size) {
  const char *name = getenv("READ_FAULT_NAME");
  const size_t tail = name ? strlen(name) : 0;
  char link[64];
  char path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = name ? readlink(link, path, sizeof path) : -1;
  if (length >= (ssize_t)tail && tail > 0 && memcmp(path + length - tail, name, tail) == 0 &&
      lseek(fd, 0, SEEK_CUR) >= 4096) {
    errno = EIO;
    return -1;
  }
  return syscall(SYS_read, fd, into, size);
}
