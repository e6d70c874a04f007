// Services outside the main window: the modal choosers and notices, and opening documents.
// The backend (shell/win32 or shell/qt) is chosen by CMake at link time.
#pragma once

#include <cstdint>
#include <string>

namespace sucholin {

// The chosen folder ending in its separator, or "" when cancelled.
std::string ChooseFolder(const std::string& title, const std::string& initialFolder);
// The full path of the chosen file, or "". filter holds display text and pattern pairs
// separated by '|'; filterIndex is the 0-based entry shown first.
std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex);
// Style bits as the Windows message box takes them (0x30: exclamation icon, one OK button).
// Answers the code of the button that closed it.
int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style);
// Starts the target as a program, else hands it to the desktop's opener; never waits.
// 1 when either worked, 0 when both failed.
int32_t OpenDocument(const std::string& target);

}  // namespace sucholin
