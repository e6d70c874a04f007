// sucholin-cli WORD PATH: the desktop program's folder or single-file search, rows on stdout.
#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console_text.h"
#include "cli/output_file.h"
#include "search/name_text.h"
#include "search/search.h"
#include "ui/texts.h"

namespace sucholin::cli {
namespace {

enum ExitCode { Found = 0, NothingFound = 1, Failed = 2 };

// Every message: the prefix, a fixed text, and the named file if there is one.
void Tell(std::string_view message, std::string_view file = {}) {
  std::string line = texts::CliPrefix;
  line += message;
  line += EscapedName(file);
  line += '\n';
  WriteText(stderr, line);
}

// Writes stdout and remembers whether any write failed; after a failure nothing more is tried.
class Output {
 public:
  void Write(std::string_view bytes) {
    if (failed || bytes.empty()) return;
    failed = !WriteText(stdout, bytes);
  }
  // A row as "name TAB lines": the line numbers are written from the row itself, not copied.
  void WriteRow(std::string_view row) {
    // The line numbers hold no line feed, so the last one separates the two columns.
    const size_t feed = row.rfind('\n');
    Write(EscapedName(row.substr(0, feed)));
    Write("\t");
    Write(row.substr(feed + 1));
    Write("\n");
    ++rows;
  }
  // Flushes and closes stdout: data still buffered, and a delayed error, show up only here.
  bool Finish() {
    const bool flushed = std::fflush(stdout) == 0;
    const bool closed = std::fclose(stdout) == 0;
    return !failed && flushed && closed;
  }
  bool Any() const { return rows > 0; }

 private:
  bool failed = false;
  size_t rows = 0;
};

// The whole output is text; a failure to write it is a failure of the program.
int Print(std::string_view text) {
  Output output;
  output.Write(text);
  if (output.Finish()) return Found;
  Tell(texts::CliWriteFailed);
  return Failed;
}

// Lists path as a folder (once: the listing itself tells whether it is one) and keeps its
// candidates, all but the file stdout writes to.
ListingOutcome CollectFolder(const std::string& path) {
  ChosenFolder = path;
  if (path.back() != '/' && path.back() != FolderSeparator) ChosenFolder += FolderSeparator;
  CandidateCount = 0;
  const ListingOutcome listing = CollectCandidates(ChosenFolder, [](const std::string&) {});
  CandidateList.resize(static_cast<size_t>(CandidateCount));
  for (const std::string& name : OutputFileNames(ChosenFolder, CandidateList)) {
    CandidateList.erase(std::find(CandidateList.begin(), CandidateList.end(), name));
  }
  CandidateCount = static_cast<int32_t>(CandidateList.size());
  return listing;
}

int Search(std::string_view word, const std::string& path) {
  Output output;
  const RowSink sink = [&](std::string_view row) { output.WriteRow(row); };
  bool faults = false;
  const auto tellFault = [&](FileOutcome outcome, const std::string& file) {
    if (outcome == FileOutcome::OpenFailed) {
      Tell(texts::CliFileUnreadable, file);
    } else if (outcome == FileOutcome::ReadFailed) {
      Tell(texts::CliReadFailed, file);
    } else {
      return;
    }
    faults = true;
  };
  const ListingOutcome listing = CollectFolder(path);
  if (listing != ListingOutcome::Unlisted) {
    if (listing == ListingOutcome::Truncated) {
      Tell(texts::CliFolderBroken, path);
      faults = true;
    }
    SearchFolder(word, sink, [&](std::string_view name, FileOutcome outcome) {
      tellFault(outcome, ChosenFolder + std::string(name));
    });
  } else {
    ChosenFile = path;
    FileOutcome outcome = FileOutcome::ReadToEnd;
    SearchFile(word, sink, [&](std::string_view, FileOutcome told) { outcome = told; });
    // The one file asked for must be a readable file.
    if (outcome == FileOutcome::OpenFailed || outcome == FileOutcome::NotRegular) {
      Tell(texts::CliPathUnreadable, path);
      return Failed;
    }
    tellFault(outcome, path);
  }
  if (!output.Finish()) {
    Tell(texts::CliWriteFailed);
    return Failed;
  }
  if (faults) return Failed;
  return output.Any() ? Found : NothingFound;
}

int Run(const std::vector<std::string>& arguments) {
  const size_t argc = arguments.size();
  const std::string_view option = argc == 2 ? std::string_view(arguments[1]) : std::string_view();
  if (option == "-h" || option == "--help") return Print(texts::CliHelp);
  if (option == "--version") return Print("sucholin-cli " SUCHOLIN_VERSION "\n");
  if (argc != 3) {
    Tell(texts::CliUsage);
    return Failed;
  }
  const std::string_view word = arguments[1];
  const std::string& path = arguments[2];
  if (word.empty()) {
    Tell(texts::WordNotice);
    return Failed;
  }
  // An empty folder text would mean the current folder to the listing.
  if (path.empty()) {
    Tell(texts::CliUsage);
    return Failed;
  }
  try {
    return Search(word, path);
  } catch (const std::bad_alloc&) {
    Tell(texts::CliOutOfMemory);
    return Failed;
  }
}

}  // namespace
}  // namespace sucholin::cli

int main(int argc, char** argv) { return sucholin::cli::Run(sucholin::cli::Arguments(argc, argv)); }
