// Looks into the running Sucholin.exe from outside, for the end-to-end test and the screenshots:
// a control's centre on the screen, and for each row of the result list a screen point on it
// and its texts as UTF-8, asked for through memory lent in the program's own process. The
// program itself has no test hook.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "search/win32/wide_text.h"

int main(int argc, char** argv) {
  HWND main = FindWindowW(L"SucholinMainWindow", L"Sucholin 1.0");
  const std::string command = argc > 1 ? argv[1] : "";
  RECT r;
  if (main && command == "centre" && argc > 2) {
    HWND control = GetDlgItem(main, std::atoi(argv[2]));
    if (!control || !GetClientRect(control, &r)) return 1;
    POINT at{r.right / 2, r.bottom / 2};
    ClientToScreen(control, &at);
    std::printf("%ld %ld\n", at.x, at.y);
    return 0;
  }
  if (main && command == "rows") {
    HWND list = GetDlgItem(main, 9);
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    const std::unique_ptr<void, decltype(&CloseHandle)> program(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id),
        CloseHandle);
    constexpr int Room = 4096;  // characters of one cell
    auto* lent = static_cast<char*>(VirtualAllocEx(program.get(), nullptr,
                                                   sizeof(LVITEMW) + Room * sizeof(wchar_t),
                                                   MEM_COMMIT, PAGE_READWRITE));
    if (!lent) return 1;
    // The list answers only between the program's events, so this waits for a running search.
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      r = {LVIR_BOUNDS, 0, 0, 0};
      WriteProcessMemory(program.get(), lent, &r, sizeof r, nullptr);
      SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(lent));
      ReadProcessMemory(program.get(), lent, &r, sizeof r, nullptr);
      POINT at{r.left + 40, (r.top + r.bottom) / 2};  // on the file name
      ClientToScreen(list, &at);
      std::printf("%ld %ld\t", at.x, at.y);
      for (int column = 0; column < 2; ++column) {
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = reinterpret_cast<wchar_t*>(lent + sizeof cell);
        cell.cchTextMax = Room;
        WriteProcessMemory(program.get(), lent, &cell, sizeof cell, nullptr);
        std::wstring text(
            static_cast<size_t>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                             reinterpret_cast<LPARAM>(lent))),
            L'\0');
        ReadProcessMemory(program.get(), cell.pszText, text.data(), text.size() * sizeof(wchar_t),
                          nullptr);
        std::printf("%s%c", sucholin::win32::Narrow(text).c_str(), column == 0 ? '\t' : '\n');
      }
    }
    VirtualFreeEx(program.get(), lent, 0, MEM_RELEASE);
    return 0;
  }
  std::fputs("usage: sucholin-probe centre ID | rows  (of the running Sucholin.exe)\n", stderr);
  return 2;
}
