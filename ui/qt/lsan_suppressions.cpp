// Leaks inside the libraries under Qt that LeakSanitizer is not to report, for every program
// built on this backend with the sanitizers.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name the sanitizer runtime looks up
extern "C" const char* __lsan_default_suppressions() {
  // fontconfig keeps its configuration until the process ends; so does D-Bus its connection
  // to the session, which the X11 platform opens.
  return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
