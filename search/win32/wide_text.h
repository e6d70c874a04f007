// The Windows edge of the program's texts: every name, path and window text crosses it here,
// UTF-8 (WTF-8) inside, UTF-16 for the wide-character calls. No code page is involved, so no
// name is ever replaced by a look-alike.
#pragma once

#include <string>
#include <string_view>

namespace sucholin::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);
// A path the file calls take at any length: one that reaches MAX_PATH is made absolute and
// given the \\?\ form, which has no such limit.
std::wstring WidePath(std::string_view path);

}  // namespace sucholin::win32
