// A shell backend for the command tests: answers the choosers from a script and records every call.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace sucholin::testing {

// One line per shell call, e.g. "ChooseFolder|<title>|<initial folder>" or "OpenDocument|<target>".
extern std::vector<std::string> ShellLog;
// Answers for the next choosers of either kind; an empty script answers "" (cancelled).
extern std::deque<std::string> ChooserAnswers;

}  // namespace sucholin::testing
