// Names as the program keeps them: their own bytes inside, UTF-16 at the Windows edge, and
// escaped wherever one is shown on a line of its own.
#pragma once

#include <string>
#include <string_view>

namespace sucholin {

// Inside the program every text is UTF-8. Windows names are UTF-16 and may hold a surrogate
// without its partner, which UTF-8 cannot carry; WTF-8 (UTF-8 that writes such a surrogate as
// its own three bytes) keeps those names too, and is UTF-8 for every other text.

// UTF-16 from WTF-8; a byte that starts no valid sequence becomes U+FFFD.
std::u16string Utf16FromWtf8(std::string_view text);
// WTF-8 from UTF-16, for every sequence of code units.
std::string Wtf8FromUtf16(std::u16string_view text);
// Whether text is well-formed UTF-8 (no overlong forms, surrogates or values beyond U+10FFFF).
bool IsUtf8(std::string_view text);

// A name with its control bytes written C-style (\t, \n, \r, \x1b), so that it stays one cell
// or one line and never reaches a terminal as a control sequence. Where the backslash separates
// folders it is no name byte and stays, and a Windows name's unpaired surrogate is written
// \udc80, so that the text stays UTF-8; elsewhere the backslash is written \\ so that the form
// is undone unambiguously.
std::string EscapedName(std::string_view name);

}  // namespace sucholin
