// What only the Win32 shell backend does: its rules for starting targets.
#include <gtest/gtest.h>

#include "shell/win32/shell_rules.h"

namespace sucholin::win32 {
namespace {

// Targets start quoted in their own folder, only program files are started at all, and the
// rest goes to the shell by its type. The choosers' rules meet only the fixed texts, which the
// shell contract and the end-to-end test give the real dialogs.
TEST(ShellRules, Targets) {
  const struct {
    const char *target, *line, *folder, *typeClass;
    bool program;
  } cases[] = {
      {"D:\\Texte\\brief.txt", "\"D:\\Texte\\brief.txt\"", "D:\\Texte\\", ".txt", false},
      {"C:\\mit Leer\\a b.exe", "\"C:\\mit Leer\\a b.exe\"", "C:\\mit Leer\\", ".exe", true},
      {"\"C:\\a b\\x\" -a", "\"C:\\a b\\x\" -a", "\"C:\\a b\\", "", false},
      {"C:\\x\\LAUF.CMD", "\"C:\\x\\LAUF.CMD\"", "C:\\x\\", ".CMD", true},
      {"C:\\a.b\\kombat", "\"C:\\a.b\\kombat\"", "C:\\a.b\\", "", false},
      {"\\brief.txt", "\"\\brief.txt\"", "", ".txt", false},
      {"https://www.sucholin.de", "\"https://www.sucholin.de\"", "", "", false},
      {"", "\"\"", "", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLineFor(c.target), c.line) << c.target;
    EXPECT_EQ(WorkingFolderFor(c.target), c.folder) << c.target;
    EXPECT_EQ(RunsAsProgram(c.target), c.program) << c.target;
    EXPECT_EQ(TypeClassFor(c.target), c.typeClass) << c.target;
  }
  // Any chosen folder, not only the end-to-end test's C:\, comes back ready for a file name.
  EXPECT_EQ(WithTrailingBackslash("D:\\Texte"), "D:\\Texte\\");
}

}  // namespace
}  // namespace sucholin::win32
