// Looks into the running Sucholin.exe from outside, for the end-to-end test: where its controls
// and dialogs are on the screen, what they show, and the rows of its result list, read through
// memory lent in the program's own process. The program itself has no test hook.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char MainTitle[] = "Sucholin 1.0";
constexpr int ResultList = 9;

HWND MainWindow() { return FindWindowA("SucholinMainWindow", MainTitle); }

// Non-ASCII bytes as \xNN, so that the shell sees exactly which bytes a window shows.
std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

std::string TextOf(HWND window) {
  char text[1024] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_NORMAL, 5000, nullptr);
  return text;
}

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

long long UnixNanoseconds() {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<long long>((ticks - 116444736000000000ULL) * 100);
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
      "       dialog-centre ID | dialog | text ID | rows | row-centre N |\n"
      "       wait-rows N S | windows | close-other TEXT\n",
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
  if (command == "dialog") {
    // Its caption, then every visible child's text that is not empty.
    HWND dialog = ProgramDialog();
    if (!dialog) return 1;
    std::printf("caption %s\n", Escaped(TextOf(dialog)).c_str());
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM) {
          const std::string text = TextOf(w);
          if (IsWindowVisible(w) && !text.empty()) {
            std::printf("%d %s\n", GetDlgCtrlID(w), Escaped(text).c_str());
          }
          return TRUE;
        },
        0);
    return 0;
  }
  if (command == "text" && argc > 2) {
    HWND control = GetDlgItem(MainWindow(), std::atoi(argv[2]));
    if (!control) return 1;
    std::printf("%s\n", Escaped(TextOf(control)).c_str());
    return 0;
  }
  if (command == "rows" || command == "row-centre" || command == "wait-rows") {
    const ProgramList list;
    if (!list.Usable()) return 1;
    if (command == "rows") {
      for (int row = 0, count = list.Count(); row < count; ++row) {
        std::printf("%s|%s\n", Escaped(list.Cell(row, 0)).c_str(),
                    Escaped(list.Cell(row, 1)).c_str());
      }
      return 0;
    }
    if (command == "row-centre") {
      const POINT centre = list.RowCentre(std::atoi(argv[2]));
      std::printf("%ld %ld\n", centre.x, centre.y);
      return 0;
    }
    // wait-rows N S: prints the moment (Unix nanoseconds) the list first holds N rows.
    const int wanted = std::atoi(argv[2]);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(number(3) * 1000);
    while (list.Count() != wanted) {
      if (GetTickCount64() > end) return 1;
      Sleep(1);
    }
    std::printf("%lld\n", UnixNanoseconds());
    return 0;
  }
  if (command == "close-other" && argc > 2) {
    // Closes the other program's window whose title holds the text (the opened document).
    static std::string part;
    part = argv[2];
    static bool closed;
    closed = false;
    EnumWindows(
        [](HWND w, LPARAM) {
          if (IsWindowVisible(w) && w != MainWindow() && TextOf(w).find(part) != std::string::npos) {
            PostMessageA(w, WM_CLOSE, 0, 0);
            closed = true;
          }
          return TRUE;
        },
        0);
    return closed ? 0 : 1;
  }
  if (command == "windows") {
    EnumWindows(
        [](HWND w, LPARAM) {
          const std::string title = TextOf(w);
          if (IsWindowVisible(w) && !title.empty()) std::printf("%s\n", Escaped(title).c_str());
          return TRUE;
        },
        0);
    return 0;
  }
  return Usage();
}
