// Looks into the running Sucholin.exe from outside, for the end-to-end test and the screenshots:
// where its controls and dialogs are on the screen, and the rows of its result list, read through
// memory lent in the program's own process. The program itself has no test hook.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char MainTitle[] = "Sucholin 1.0";
constexpr int ResultList = 9;

HWND MainWindow() { return FindWindowA("SucholinMainWindow", MainTitle); }

// A visible dialog of the program, if one is open.
HWND ProgramDialog() {
  DWORD program = 0;
  GetWindowThreadProcessId(MainWindow(), &program);
  struct Search {
    DWORD program;
    HWND found;
  } search{program, nullptr};
  EnumWindows(
      [](HWND w, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        char className[16] = "";
        GetClassNameA(w, className, sizeof className);
        if (process == s->program && IsWindowVisible(w) && std::string(className) == "#32770") {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.program ? search.found : nullptr;
}

// Memory in the program's process that the list view can write into.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size)
      : process(process),
        address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteBuffer() {
    if (address) VirtualFreeEx(process, address, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  char* at(size_t offset) const { return static_cast<char*>(address) + offset; }
  bool Write(size_t offset, const void* data, size_t size) const {
    return WriteProcessMemory(process, at(offset), data, size, nullptr);
  }
  bool Read(size_t offset, void* data, size_t size) const {
    return ReadProcessMemory(process, at(offset), data, size, nullptr);
  }
  explicit operator bool() const { return address != nullptr; }

 private:
  HANDLE process;
  void* address;
};

class ProgramList {
 public:
  ProgramList() : list(GetDlgItem(MainWindow(), ResultList)) {
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  }
  ~ProgramList() {
    if (process) CloseHandle(process);
  }
  ProgramList(const ProgramList&) = delete;
  ProgramList& operator=(const ProgramList&) = delete;

  bool Usable() const { return list && process; }

  // Blocks while the program is busy (a search): the list answers only between events.
  int Count() const {
    DWORD_PTR count = 0;
    SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &count);
    return static_cast<int>(count);
  }

  std::string Cell(int row, int column) const {
    constexpr size_t Room = 4096;
    RemoteBuffer remote(process, sizeof(LVITEMA) + Room);
    if (!remote) return {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote.at(sizeof item);
    item.cchTextMax = Room;
    remote.Write(0, &item, sizeof item);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(remote.at(0)));
    std::vector<char> text(Room, '\0');
    remote.Read(sizeof item, text.data(), Room - 1);
    return text.data();
  }

  POINT RowCentre(int row) const {
    RemoteBuffer remote(process, sizeof(RECT));
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    remote.Write(0, &rect, sizeof rect);
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(remote.at(0)));
    remote.Read(0, &rect, sizeof rect);
    // The first column, where the file name stands.
    POINT centre{rect.left + 40, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &centre);
    return centre;
  }

 private:
  HWND list;
  HANDLE process = nullptr;
};

void PrintCentre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool WaitFor(double seconds, bool (*ready)()) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (!ready()) {
    if (GetTickCount64() > end) return false;
    Sleep(50);
  }
  return true;
}

int Usage() {
  std::fputs(
      "usage: probe wait-main S | wait-dialog S | wait-no-dialog S | centre ID |\n"
      "       dialog-centre ID | rows | row-centre N\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const auto number = [&](int i) { return argc > i ? std::atof(argv[i]) : 10.0; };

  if (command == "wait-main") return WaitFor(number(2), [] { return MainWindow() != nullptr; }) ? 0 : 1;
  if (command == "wait-dialog") return WaitFor(number(2), [] { return ProgramDialog() != nullptr; }) ? 0 : 1;
  if (command == "wait-no-dialog") {
    return WaitFor(number(2), [] { return ProgramDialog() == nullptr; }) ? 0 : 1;
  }
  if (command == "centre" && argc > 2) {
    HWND control = GetDlgItem(MainWindow(), std::atoi(argv[2]));
    if (!control) return 1;
    PrintCentre(control);
    return 0;
  }
  if (command == "dialog-centre" && argc > 2) {
    HWND control = GetDlgItem(ProgramDialog(), std::atoi(argv[2]));
    if (!control) return 1;
    PrintCentre(control);
    return 0;
  }
  if (command == "rows" || command == "row-centre") {
    const ProgramList list;
    if (!list.Usable()) return 1;
    if (command == "rows") {
      for (int row = 0, count = list.Count(); row < count; ++row) {
        std::printf("%s|%s\n", list.Cell(row, 0).c_str(), list.Cell(row, 1).c_str());
      }
      return 0;
    }
    const POINT centre = list.RowCentre(std::atoi(argv[2]));
    std::printf("%ld %ld\n", centre.x, centre.y);
    return 0;
  }
  return Usage();
}
