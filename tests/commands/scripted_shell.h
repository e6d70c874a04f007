// A shell backend for the command tests: answers the choosers from scripts and records every call.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace sucholin::testing {

// One line per shell call, e.g. "ChooseFolder|<title>|<initial folder>" or "OpenDocument|<target>".
extern std::vector<std::string> ShellLog;
// Answers for the next choosers; an empty script answers "" (cancelled).
extern std::deque<std::string> FolderAnswers;
extern std::deque<std::string> FileAnswers;

void ResetShell();

}  // namespace sucholin::testing
