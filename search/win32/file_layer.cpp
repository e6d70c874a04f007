// File reading on Windows: shared for reading, 4096-byte blocks, disk files only.
#include "search/file_layer.h"

#include <windows.h>

#include "search/search.h"

namespace sucholin {

extern const char FolderSeparator = '\\';

namespace file_layer {

intptr_t OpenRead(const std::string& path) {
  if (path.find('\0') != std::string::npos) return NoHandle;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return NoHandle;
  // Names such as CON or a named pipe open devices whose reads can wait for ever.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return NoHandle;
  }
  return reinterpret_cast<intptr_t>(file);
}

int32_t ReadBlock(intptr_t handle, char* into, int32_t size) {
  // The success flag is not needed: a failed read reports 0 bytes, like the end of the file.
  DWORD got = 0;
  ReadFile(reinterpret_cast<HANDLE>(handle), into, static_cast<DWORD>(size), &got, nullptr);
  return static_cast<int32_t>(got);
}

void Close(intptr_t handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }

}  // namespace file_layer
}  // namespace sucholin
