// The output file found by device and inode.
#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sucholin::cli {

std::vector<std::string> OutputFileNames(const std::string& folder,
                                         const std::vector<std::string>& names) {
  struct stat output;
  struct stat place;
  if (fstat(STDOUT_FILENO, &output) != 0) return {};
  // On another device than the folder the output cannot be one of its files.
  if (stat(folder.c_str(), &place) != 0 || place.st_dev != output.st_dev) return {};
  std::vector<std::string> same;
  for (const std::string& name : names) {
    struct stat file;
    if (stat((folder + name).c_str(), &file) == 0 && file.st_dev == output.st_dev &&
        file.st_ino == output.st_ino) {
      same.push_back(name);
    }
  }
  return same;
}

}  // namespace sucholin::cli
