// The modal choosers and the notice: folder chooser, file-open dialog, message box.
// commdlg.h defines FindText as a macro, so the search core's header stays out of this file.
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>

#include "shell/shell.h"
#include "shell/win32/modal_guard.h"
#include "shell/win32/shell_rules.h"

namespace sucholin {
namespace {

using win32::BeginModal;
using win32::DialogOwner;
using win32::EndModal;

struct LibraryDeleter {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter>;

using BrowseForFolderFunction = PIDLIST_ABSOLUTE(WINAPI*)(BROWSEINFOA*);
using PathFromItemFunction = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, char*);

// COM stays initialised for the rest of the run once the folder chooser needed it.
bool ComInitialised = false;

template <typename Function>
Function LookUp(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Selects the initial folder as the dialog opens; the data is that folder's text.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  const auto* folder = reinterpret_cast<const char*>(data);
  if (message != BFFM_INITIALIZED || !folder || !*folder) return 0;
  SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  // Wine's shell does not take forward slashes ("c:/") as separators the way Windows does.
  // Asking again with backslashes selects that folder there; on Windows it is the same one.
  std::string backslashed(folder);
  std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
  if (backslashed != folder) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(backslashed.c_str()));
  }
  return 0;
}

// The record as the first 32-bit platforms knew it (76 bytes there), without the later fields.
const DWORD OpenFileRecordSize = OPENFILENAME_SIZE_VERSION_400A;
constexpr DWORD OpenFileFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
static_assert(OpenFileFlags == 0x8080C);
static_assert(BIF_NEWDIALOGSTYLE == 0x40 && BFFM_SETSELECTIONA == 0x466);

}  // namespace

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  if (!ComInitialised) {
    CoInitialize(nullptr);
    ComInitialised = true;
  }
  const Library shell(LoadLibraryA("SHELL32.DLL"));
  if (!shell) return {};
  const auto browse = LookUp<BrowseForFolderFunction>(shell.get(), "SHBrowseForFolder");
  if (!browse) return {};

  const std::string start = win32::BrowseStartFolder(initialFolder);
  BROWSEINFOA info{};
  info.hwndOwner = DialogOwner();
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());

  BeginModal();
  PIDLIST_ABSOLUTE item = browse(&info);
  EndModal();
  if (!item) return {};

  char path[MAX_PATH] = "";
  if (const auto toPath = LookUp<PathFromItemFunction>(shell.get(), "SHGetPathFromIDList")) {
    toPath(item, path);
  }
  CoTaskMemFree(item);
  // An item without a file-system path (a virtual shell folder) counts as nothing chosen.
  if (path[0] == '\0') return {};
  return win32::WithTrailingBackslash(path);
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  const std::string filters = win32::FilterList(filter);
  const win32::DefaultFileParts defaults = win32::SplitDefaultFile(defaultFile);
  char file[MAX_PATH] = "";
  defaults.fileName.copy(file, sizeof file - 1);

  OPENFILENAMEA record{};
  record.lStructSize = OpenFileRecordSize;
  record.hwndOwner = DialogOwner();
  record.lpstrFilter = filters.c_str();
  record.nFilterIndex = static_cast<DWORD>(filterIndex + 1);
  record.lpstrFile = file;
  record.nMaxFile = sizeof file;
  // Without a default file there is no initial folder at all; with one, possibly an empty one.
  record.lpstrInitialDir = defaultFile.empty() ? nullptr : defaults.initialFolder.c_str();
  record.lpstrTitle = title.c_str();
  record.Flags = OpenFileFlags;

  BeginModal();
  const BOOL chosen = GetOpenFileNameA(&record);
  EndModal();
  return chosen ? std::string(file) : std::string();
}

int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style) {
  BeginModal();
  const int answer = MessageBoxA(DialogOwner(), text.c_str(), caption.c_str(), style);
  EndModal();
  return answer;
}

}  // namespace sucholin
