// Preloaded into sucholin-cli: a read of a file whose path ends in $READ_FAULT_NAME fails with
// EIO when it starts in the file's bytes from 4096 to 8 MiB, as on a damaged disk; the first
// readdir of a folder whose path ends in $LIST_FAULT_NAME fails with EIO. Every other read of a
// file whose path ends in $INTERRUPT_NAME is interrupted, as by a signal, and its reads and its
// folder's entries leave errno set, as a signal handler may.
#define _GNU_SOURCE  // NOLINT(bugprone-reserved-identifier): asks glibc for RTLD_NEXT
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

// Whether the path open at fd ends in the value of the variable named variable.
static int Named(int fd, const char *variable) {
  const char *name = getenv(variable);
  const size_t tail = name ? strlen(name) : 0;
  char link[64];
  char path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = tail > 0 ? readlink(link, path, sizeof path) : -1;
  return length >= (ssize_t)tail && tail > 0 && memcmp(path + length - tail, name, tail) == 0;
}

static int Damaged(int fd, off_t offset) {
  return Named(fd, "READ_FAULT_NAME") && offset >= 4096 && offset < 8 << 20;
}

ssize_t read(int fd, void *into, size_t size) {
  if (Damaged(fd, lseek(fd, 0, SEEK_CUR))) {
    errno = EIO;
    return -1;
  }
  static int interrupt = 0;
  if (!Named(fd, "INTERRUPT_NAME")) return syscall(SYS_read, fd, into, size);
  if ((interrupt = !interrupt)) {
    errno = EINTR;
    return -1;
  }
  const ssize_t got = syscall(SYS_read, fd, into, size);
  errno = EINTR;
  return got;
}

ssize_t pread(int fd, void *into, size_t size, off_t offset) {
  if (Damaged(fd, offset)) {
    errno = EIO;
    return -1;
  }
  return syscall(SYS_pread64, fd, into, size, offset);
}

ssize_t pread64(int fd, void *into, size_t size, off_t offset) {
  return pread(fd, into, size, offset);
}

struct dirent *readdir(DIR *dir) {
  static int failed = 0;
  if (!failed && Named(dirfd(dir), "LIST_FAULT_NAME")) {
    failed = 1;
    errno = EIO;
    return NULL;
  }
  struct dirent *(*next)(DIR *) = (struct dirent * (*)(DIR *)) dlsym(RTLD_NEXT, "readdir");
  struct dirent *entry = next(dir);
  if (entry && Named(dirfd(dir), "INTERRUPT_NAME")) errno = EINTR;
  return entry;
}
