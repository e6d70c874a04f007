// The scripted shell backend of the command tests.
#include "tests/commands/scripted_shell.h"

#include "shell/shell.h"

namespace sucholin {

std::vector<std::string> testing::ShellLog;
std::deque<std::string> testing::ChooserAnswers;
using testing::ShellLog;

namespace {
std::string NextAnswer() {
  if (testing::ChooserAnswers.empty()) return "";
  std::string answer = testing::ChooserAnswers.front();
  testing::ChooserAnswers.pop_front();
  return answer;
}
}  // namespace

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  ShellLog.push_back("ChooseFolder|" + title + "|" + initialFolder);
  return NextAnswer();
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  ShellLog.push_back("ChooseFile|" + title + "|" + defaultFile + "|" + filter + "|" +
                     std::to_string(filterIndex));
  return NextAnswer();
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
