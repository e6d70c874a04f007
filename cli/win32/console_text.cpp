// Files and pipes get the ANSI bytes unchanged. A console gets characters: its code page need not
// be the ANSI one, and C runtimes differ in what they make of bytes written to it.
#include "cli/console_text.h"

#include <io.h>
#include <windows.h>

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
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
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

std::string FixedText(std::string_view cp1252) { return std::string(cp1252); }

bool WriteText(std::FILE* stream, std::string_view bytes) {
  if (bytes.empty()) return true;
  if (IsConsole(stream)) return WriteConsoleText(stream, bytes);
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

}  // namespace sucholin::cli
