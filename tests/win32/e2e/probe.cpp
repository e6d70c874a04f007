// Looks into the running Sucholin.exe from outside, for the end-to-end test and the screenshots:
// a control's centre on the screen, and the result list's rows with a screen point on each,
// read through memory lent in the program's own process. The program itself has no test hook.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void PrintOnScreen(HWND window, POINT at) {
  ClientToScreen(window, &at);
  std::printf("%ld %ld\n", at.x, at.y);
}

struct Cell {
  LVITEMA item;
  char text[1024];
};

}  // namespace

int main(int argc, char** argv) {
  HWND main = FindWindowA("SucholinMainWindow", "Sucholin 1.0");
  const std::string command = argc > 1 ? argv[1] : "";
  if (main && command == "centre" && argc > 2) {
    HWND control = GetDlgItem(main, std::atoi(argv[2]));
    RECT r;
    if (!control || !GetClientRect(control, &r)) return 1;
    PrintOnScreen(control, {r.right / 2, r.bottom / 2});
    return 0;
  }
  if (main && command == "rows") {
    HWND list = GetDlgItem(main, 9);
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    const std::unique_ptr<void, decltype(&CloseHandle)> program(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id), CloseHandle);
    auto* lent =
        static_cast<char*>(VirtualAllocEx(program.get(), nullptr, sizeof(Cell), MEM_COMMIT, PAGE_READWRITE));
    if (!lent) return 1;
    // The list answers about a row in the lent memory; what it wrote is copied back into data.
    const auto ask = [&](UINT message, int row, auto& data) {
      WriteProcessMemory(program.get(), lent, &data, sizeof data, nullptr);
      SendMessageA(list, message, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(lent));
      ReadProcessMemory(program.get(), lent, &data, sizeof data, nullptr);
    };
    // The list answers only between the program's events, so this waits for a running search.
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      for (int column : {0, 1}) {
        Cell cell{};
        cell.item.iSubItem = column;
        cell.item.pszText = lent + offsetof(Cell, text);
        cell.item.cchTextMax = sizeof cell.text;
        ask(LVM_GETITEMTEXTA, row, cell);
        std::printf("%s|", cell.text);
      }
      RECT r{LVIR_BOUNDS, 0, 0, 0};
      ask(LVM_GETITEMRECT, row, r);
      PrintOnScreen(list, {r.left + 40, (r.top + r.bottom) / 2});  // on the file name
    }
    VirtualFreeEx(program.get(), lent, 0, MEM_RELEASE);
    return 0;
  }
  std::fputs("usage: sucholin-probe centre ID | rows  (of the running Sucholin.exe)\n", stderr);
  return 2;
}
