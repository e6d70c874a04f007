// The Linux desktop program. Without a display Qt would abort; say so in one line instead.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/texts.h"
#include "ui/ui.h"

namespace {

// Where Qt will find a display: an X or Wayland session, or a platform named outright.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main() {
  if (!HasDisplay()) {
    const std::string message = sucholin::texts::Utf8FromCp1252(sucholin::texts::NoDisplayMessage);
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  return sucholin::RunSucholin();
}
