// Preloaded by bench/run: every open and openat waits 1 ms first, as on a file server or a cold
// disk, where each open costs a round trip.
#define _GNU_SOURCE  // NOLINT(bugprone-reserved-identifier): asks glibc for O_TMPFILE and open64
#include <fcntl.h>
#include <stdarg.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static void Wait(void) {
  const struct timespec delay = {0, 1000000};
  nanosleep(&delay, NULL);
}

// The mode argument is there only when the open may create a file.
static mode_t ModeOf(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? (mode_t)va_arg(arguments, int) : 0;
}

int openat(int folder, const char *path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  Wait();
  return (int)syscall(SYS_openat, folder, path, flags, mode);
}

int open(const char *path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  return openat(AT_FDCWD, path, flags, mode);
}

int open64(const char *path, int flags, ...) __attribute__((alias("open")));
int openat64(int folder, const char *path, int flags, ...) __attribute__((alias("openat")));
