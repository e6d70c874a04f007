// Arguments come from the wide command line. Files and pipes get UTF-8, the same on every
// platform and able to hold every name; a console gets characters, whatever its code page.
#include "cli/console_text.h"

#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "search/win32/wide_text.h"

namespace sucholin::cli {
namespace {

HANDLE HandleOf(std::FILE* stream) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

bool CheckConsole(std::FILE* stream) {
  DWORD mode;
  return GetConsoleMode(HandleOf(stream), &mode) != 0;
}

// Asked once per stream, at its first write: what a standard handle is does not change.
bool IsConsole(std::FILE* stream) {
  if (stream == stderr) {
    static const bool console = CheckConsole(stderr);
    return console;
  }
  static const bool console = CheckConsole(stdout);
  return console;
}

bool WriteConsoleText(std::FILE* stream, std::string_view bytes) {
  const std::wstring text = win32::Widen(bytes);
  // Whatever the runtime still buffers goes first.
  if (std::fflush(stream) != 0) return false;
  for (DWORD done = 0; done < text.size();) {
    DWORD wrote = 0;
    if (!WriteConsoleW(HandleOf(stream), text.data() + done, static_cast<DWORD>(text.size() - done),
                       &wrote, nullptr) ||
        wrote == 0) {
      return false;
    }
    done += wrote;
  }
  return true;
}

}  // namespace

std::vector<std::string> Arguments(int argc, char** argv) {
  int count = 0;
  const std::unique_ptr<wchar_t*, decltype(&LocalFree)> wide(
      CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  if (!wide) return {argv, argv + argc};
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(win32::Narrow(wide.get()[i]));
  return arguments;
}

bool WriteText(std::FILE* stream, std::string_view bytes) {
  if (bytes.empty()) return true;
  if (IsConsole(stream)) return WriteConsoleText(stream, bytes);
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

}  // namespace sucholin::cli
