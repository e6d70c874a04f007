// Opening a document: start it as a program, else hand it to the shell with the verb "Open".
#include <windows.h>
#include <shellapi.h>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"

namespace sucholin {

int32_t OpenDocument(const std::string& target) {
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::string commandLine = win32::CommandLineFor(target);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                     nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 1;
  }

  const std::string folder = win32::WorkingFolderFor(target);
  SHELLEXECUTEINFOA request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOCLOSEPROCESS;
  // What the shell itself reports (a missing file, say) belongs to the program's window.
  request.hwnd = win32::DialogOwner();
  request.lpVerb = "Open";
  request.lpFile = target.c_str();
  request.lpParameters = "";
  request.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  request.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&request)) return 0;
  if (request.hProcess) CloseHandle(request.hProcess);
  return 1;
}

}  // namespace sucholin
