// Opening a document: a program file is started, anything else goes to the shell with the
// verb "Open", by its registered type where it has one.
#include <windows.h>
#include <shellapi.h>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"
#include "search/win32/wide_text.h"

namespace sucholin {
namespace {

using win32::Widen;

bool StartProgram(const std::string& target) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring commandLine = Widen(win32::CommandLineFor(target));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &started)) {
    return false;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

bool IsFile(const std::string& target) {
  const DWORD attributes = GetFileAttributesW(win32::WidePath(target).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsRegisteredType(const std::wstring& typeClass) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, typeClass.c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

}  // namespace

int32_t OpenDocument(const std::string& target) {
  if (win32::RunsAsProgram(target) && StartProgram(target)) return 1;

  const std::wstring folder = Widen(win32::WorkingFolderFor(target));
  const std::wstring file = Widen(target);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOCLOSEPROCESS;
  // Opened by name alone, the shell may still start an executable image hiding behind a
  // document's extension; named by its type, the file goes to the program registered for it.
  // A missing file keeps the plain request, for which the shell reports it missing.
  const std::wstring typeClass = Widen(win32::TypeClassFor(target));
  if (!typeClass.empty() && IsFile(target) && IsRegisteredType(typeClass)) {
    request.fMask |= SEE_MASK_CLASSNAME;
    request.lpClass = typeClass.c_str();
  }
  // What the shell itself reports (a missing file, say) belongs to the program's window.
  request.hwnd = win32::DialogOwner();
  request.lpVerb = L"Open";
  request.lpFile = file.c_str();
  request.lpParameters = L"";
  request.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  request.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&request)) return 0;
  if (request.hProcess) CloseHandle(request.hProcess);
  return 1;
}

}  // namespace sucholin
