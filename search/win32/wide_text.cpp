// UTF-16 for the wide-character calls, from and to the program's WTF-8.
#include "search/win32/wide_text.h"

#include <windows.h>

#include "search/name_text.h"

namespace sucholin::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

std::wstring Widen(std::string_view text) {
  const std::u16string wide = Utf16FromWtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view text) {
  return Wtf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring WidePath(std::string_view path) {
  std::wstring wide = Widen(path);
  if (wide.size() < MAX_PATH || wide.starts_with(L"\\\\?\\")) return wide;
  const DWORD room = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (room == 0) return wide;
  std::wstring full(room, L'\0');
  full.resize(GetFullPathNameW(wide.c_str(), room, full.data(), nullptr));
  if (full.starts_with(L"\\\\.\\")) return full;  // a device path has no long form
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace sucholin::win32
