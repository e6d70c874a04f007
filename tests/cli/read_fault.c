// Preloaded into sucholin-cli: a read of a file whose path ends in $READ_FAULT_NAME fails with
// EIO when it starts in the file's bytes from 4096 to 8 MiB, as on a damaged disk; the first
// readdir of a folder whose path ends in $LIST_FAULT_NAME fails with EIO. Every other read of
// files whose paths end in $INTERRUPT_NAME is interrupted, as by a signal, and their reads and
// their folder's entries leave errno set, as a signal handler may.
#define _GNU_SOURCE  // NOLINT(bugprone-reserved-identifier): asks glibc for RTLD_NEXT
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <stdatomic.h>
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

// Whether a read of fd from offset on fails: on the damage, or every other time it is interrupted.
static int Fails(int fd, off_t offset) {
  static atomic_int interrupt = 0;  // reads in pieces come from several threads
  if (Named(fd, "READ_FAULT_NAME") && offset >= 4096 && offset < 8 << 20) {
    errno = EIO;
    return 1;
  }
  if (Named(fd, "INTERRUPT_NAME") && atomic_fetch_xor(&interrupt, 1) == 0) {
    errno = EINTR;
    return 1;
  }
  return 0;
}

// The bytes a read got, with errno left set after it where reads are interrupted.
static ssize_t Got(int fd, ssize_t got) {
  if (Named(fd, "INTERRUPT_NAME")) errno = EINTR;
  return got;
}

ssize_t read(int fd, void *into, size_t size) {
  return Fails(fd, lseek(fd, 0, SEEK_CUR)) ? -1 : Got(fd, syscall(SYS_read, fd, into, size));
}

ssize_t pread(int fd, void *into, size_t size, off_t offset) {
  return Fails(fd, offset) ? -1 : Got(fd, syscall(SYS_pread64, fd, into, size, offset));
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
