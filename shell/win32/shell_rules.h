// The text rules of the shell services, apart from the dialogs and processes they feed.
#pragma once

#include <string>
#include <string_view>

namespace sucholin::win32 {

// The command line for starting target as a program: quoted, unless it starts with a quote.
std::string CommandLineFor(std::string_view target);
// The target up to and including its last backslash, when one stands after the first
// character; otherwise "" (no working folder).
std::string WorkingFolderFor(std::string_view target);

// Whether the system starts target itself as a program: its extension is .exe, .com, .bat or
// .cmd in any case. Only these are tried as programs, because CreateProcessW starts any
// executable image whatever its name says, a program posing as a .txt included.
bool RunsAsProgram(std::string_view target);
// The file type of target for the shell, as its extension with the dot (".txt"); "" for a
// web address and for a name without an extension.
std::string TypeClassFor(std::string_view target);

// The folder the folder chooser is asked to select: at most 259 characters, a trailing
// backslash dropped unless the text is a drive root such as "D:\".
std::string BrowseStartFolder(std::string_view initialFolder);
std::string WithTrailingBackslash(std::string path);

// The filter pairs with '|' turned into zero bytes, ended by two zero bytes.
std::string FilterList(std::string_view filter);

struct DefaultFileParts {
  std::string initialFolder;
  std::string fileName;  // empty unless a valid file name
};
DefaultFileParts SplitDefaultFile(std::string_view defaultFile);
bool IsValidFileName(std::string_view name);

}  // namespace sucholin::win32
