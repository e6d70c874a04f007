// The modal choosers and the notice: folder chooser, file-open dialog, message box.
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
#include "search/win32/wide_text.h"

namespace sucholin {
namespace {

using win32::BeginModal;
using win32::DialogOwner;
using win32::EndModal;
using win32::Narrow;
using win32::Widen;

struct LibraryDeleter {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryDeleter>;

using BrowseForFolderFunction = PIDLIST_ABSOLUTE(WINAPI*)(BROWSEINFOW*);
using PathFromItemFunction = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, wchar_t*);

// COM stays initialised for the rest of the run once the folder chooser needed it.
bool ComInitialised = false;

template <typename Function>
Function LookUp(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Selects the initial folder as the dialog opens; the data is that folder's text.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  const auto* folder = reinterpret_cast<const wchar_t*>(data);
  if (message != BFFM_INITIALIZED || !folder || !*folder) return 0;
  SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  // Wine's shell does not take forward slashes ("c:/") as separators the way Windows does.
  // Asking again with backslashes selects that folder there; on Windows it is the same one.
  std::wstring backslashed(folder);
  std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
  if (backslashed != folder) {
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(backslashed.c_str()));
  }
  return 0;
}

// The record as the first 32-bit platforms knew it (76 bytes there), without the later fields.
const DWORD OpenFileRecordSize = OPENFILENAME_SIZE_VERSION_400W;
// Room for a chosen file's path: far beyond MAX_PATH, as the wide dialog hands back long paths.
constexpr DWORD FileRoom = 32768;
constexpr DWORD OpenFileFlags =
    OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
static_assert(OpenFileFlags == 0x8080C);
static_assert(BIF_NEWDIALOGSTYLE == 0x40);

}  // namespace

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  // S_FALSE: already initialised on this thread, which serves as well. Without COM the shell's
  // folder tree cannot work, so nothing is shown.
  if (!ComInitialised) ComInitialised = SUCCEEDED(CoInitialize(nullptr));
  if (!ComInitialised) return {};
  const Library shell(LoadLibraryW(L"SHELL32.DLL"));
  if (!shell) return {};
  const auto browse = LookUp<BrowseForFolderFunction>(shell.get(), "SHBrowseForFolderW");
  if (!browse) return {};

  const std::wstring start = Widen(win32::BrowseStartFolder(initialFolder));
  const std::wstring prompt = Widen(title);
  BROWSEINFOW info{};
  info.hwndOwner = DialogOwner();
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());

  BeginModal();
  PIDLIST_ABSOLUTE item = browse(&info);
  EndModal();
  if (!item) return {};

  wchar_t path[MAX_PATH] = L"";
  if (const auto toPath = LookUp<PathFromItemFunction>(shell.get(), "SHGetPathFromIDListW")) {
    toPath(item, path);
  }
  CoTaskMemFree(item);
  // An item without a file-system path (a virtual shell folder) counts as nothing chosen.
  if (path[0] == L'\0') return {};
  return win32::WithTrailingBackslash(Narrow(path));
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  const std::wstring filters = Widen(win32::FilterList(filter));
  const win32::DefaultFileParts defaults = win32::SplitDefaultFile(defaultFile);
  const std::wstring initialFolder = Widen(defaults.initialFolder);
  const std::wstring caption = Widen(title);
  std::wstring file = Widen(defaults.fileName);
  file.resize(FileRoom, L'\0');

  OPENFILENAMEW record{};
  record.lStructSize = OpenFileRecordSize;
  record.hwndOwner = DialogOwner();
  record.lpstrFilter = filters.c_str();
  record.nFilterIndex = static_cast<DWORD>(filterIndex + 1);
  record.lpstrFile = file.data();
  record.nMaxFile = FileRoom;
  // Without a default file there is no initial folder at all; with one, possibly an empty one.
  record.lpstrInitialDir = defaultFile.empty() ? nullptr : initialFolder.c_str();
  record.lpstrTitle = caption.c_str();
  record.Flags = OpenFileFlags;

  BeginModal();
  const BOOL chosen = GetOpenFileNameW(&record);
  EndModal();
  return chosen ? Narrow(file.c_str()) : std::string();
}

int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style) {
  BeginModal();
  const int answer = MessageBoxW(DialogOwner(), Widen(text).c_str(), Widen(caption).c_str(), style);
  EndModal();
  return answer;
}

}  // namespace sucholin
