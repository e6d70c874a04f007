// The output file found by volume serial number and file index.
#include "cli/output_file.h"

#include <windows.h>

#include "search/win32/wide_text.h"

namespace sucholin::cli {
namespace {

bool Identify(HANDLE file, BY_HANDLE_FILE_INFORMATION& info) {
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) != 0;
}

}  // namespace

std::vector<std::string> OutputFileNames(const std::string& folder,
                                         const std::vector<std::string>& names) {
  BY_HANDLE_FILE_INFORMATION output;
  if (!Identify(GetStdHandle(STD_OUTPUT_HANDLE), output)) return {};
  std::vector<std::string> same;
  for (const std::string& name : names) {
    // No access asked for: the identity can be read even while the file is open for writing.
    const HANDLE file = CreateFileW(win32::WidePath(folder + name).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    BY_HANDLE_FILE_INFORMATION info;
    if (Identify(file, info) && info.dwVolumeSerialNumber == output.dwVolumeSerialNumber &&
        info.nFileIndexHigh == output.nFileIndexHigh &&
        info.nFileIndexLow == output.nFileIndexLow) {
      same.push_back(name);
    }
    CloseHandle(file);
  }
  return same;
}

}  // namespace sucholin::cli
