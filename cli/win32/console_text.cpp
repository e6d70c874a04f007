// Files and pipes get the ANSI bytes unchanged; a console gets them in its own code page.
#include "cli/console_text.h"

#include <io.h>
#include <windows.h>

namespace sucholin::cli {
namespace {

bool IsConsole(std::FILE* stream) {
  DWORD mode;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return GetConsoleMode(handle, &mode) != 0;
}

std::string Recoded(std::string_view text, UINT from, UINT to) {
  const int size = static_cast<int>(text.size());
  if (size == 0 || from == to) return std::string(text);
  const int wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
  std::wstring between(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(from, 0, text.data(), size, between.data(), wide);
  const int length = WideCharToMultiByte(to, 0, between.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(to, 0, between.data(), wide, out.data(), length, nullptr, nullptr);
  return out;
}

}  // namespace

std::string FixedText(std::string_view cp1252, std::FILE* stream) {
  return IsConsole(stream) ? Recoded(cp1252, 1252, GetConsoleOutputCP()) : std::string(cp1252);
}

std::string NameText(std::string name, std::FILE* stream) {
  return IsConsole(stream) ? Recoded(name, GetACP(), GetConsoleOutputCP()) : name;
}

}  // namespace sucholin::cli
