// File reading on Windows: shared for reading, 4096-byte blocks, disk files only.
#include "search/file_layer.h"

#include <windows.h>

#include "search/search.h"
#include "search/win32/wide_text.h"

namespace sucholin {

extern const char FolderSeparator = '\\';

namespace file_layer {
namespace {

// A leading double-quote character encloses the path and is not part of it.
size_t QuotedStart(std::string_view path) { return !path.empty() && path[0] == '"' ? 1 : 0; }

// Both separators end a folder; a quote ends the name.
std::string ExtensionPart(std::string_view path) {
  const size_t mark = path.find_last_of("./\\");
  if (mark == std::string_view::npos || path[mark] != '.') return {};
  const std::string_view after = path.substr(mark + 1);
  return std::string(after.substr(0, after.find('"')));
}

std::string FileNamePart(std::string_view path) {
  size_t start = QuotedStart(path);
  const size_t last = path.find_last_of("/\\");
  if (last != std::string_view::npos) start = last + 1;
  const std::string_view name = path.substr(start);
  return std::string(name.substr(0, name.find('"')));
}

}  // namespace

// CreateFileW takes full paths only: files are opened by folder text and name.
intptr_t OpenFolder(const std::string&) { return NoHandle; }
void CloseFolder(intptr_t) {}

OpenResult OpenRead(intptr_t, const std::string& folderText, const std::string& name,
                    intptr_t& handle, int64_t& bytes) {
  handle = NoHandle;
  const std::string path = folderText + name;
  if (path.find('\0') != std::string::npos) return OpenResult::Failed;
  HANDLE file = CreateFileW(win32::WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OpenResult::Failed;
  // Names such as CON or a named pipe open devices whose reads can wait for ever.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return OpenResult::NotRegular;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return OpenResult::Failed;
  }
  bytes = size.QuadPart;
  handle = reinterpret_cast<intptr_t>(file);
  return OpenResult::Opened;
}

int32_t ReadBlock(intptr_t handle, char* into, int32_t size) {
  DWORD got = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(handle), into, static_cast<DWORD>(size), &got, nullptr)) {
    return -1;
  }
  return static_cast<int32_t>(got);
}

// A read of a synchronous handle at the place the OVERLAPPED record names; the place of ReadBlock
// moves too, but the reader reads either one way or the other.
int32_t ReadBlockAt(intptr_t handle, char* into, int32_t size, int64_t offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(handle), into, static_cast<DWORD>(size), &got, &at)) {
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }
  return static_cast<int32_t>(got);
}

void Close(intptr_t handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }

std::string NamePart(std::string_view path) { return FileNamePart(path); }
std::string NameExtension(std::string_view name) { return ExtensionPart(name); }

}  // namespace file_layer
}  // namespace sucholin
