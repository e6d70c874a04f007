// The scripted shell backend of the command tests.
#include "tests/commands/scripted_shell.h"

#include "shell/shell.h"

namespace sucholin {
namespace testing {

std::vector<std::string> ShellLog;
std::deque<std::string> FolderAnswers;
std::deque<std::string> FileAnswers;

void ResetShell() {
  ShellLog.clear();
  FolderAnswers.clear();
  FileAnswers.clear();
}

namespace {
std::string Next(std::deque<std::string>& answers) {
  if (answers.empty()) return "";
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}
}  // namespace

}  // namespace testing

using testing::ShellLog;

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  ShellLog.push_back("ChooseFolder|" + title + "|" + initialFolder);
  return testing::Next(testing::FolderAnswers);
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  ShellLog.push_back("ChooseFile|" + title + "|" + defaultFile + "|" + filter + "|" +
                     std::to_string(filterIndex));
  return testing::Next(testing::FileAnswers);
}

int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style) {
  ShellLog.push_back("ShowNotice|" + caption + "|" + text + "|" + std::to_string(style));
  return 1;
}

int32_t OpenDocument(const std::string& target) {
  ShellLog.push_back("OpenDocument|" + target);
  return 1;
}

}  // namespace sucholin
