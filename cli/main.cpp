// sucholin-cli WORD PATH: the desktop program's folder or single-file search, rows on stdout.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/console_text.h"
#include "search/search.h"
#include "ui/texts.h"

namespace sucholin::cli {
namespace {

enum ExitCode { Found = 0, NothingFound = 1, Failed = 2 };

constexpr char Usage[] = "Aufruf: sucholin-cli WORT PFAD";

void PrintHelp() {
  std::string help = Usage;
  help +=
      "\nSucht WORT (genau so geschrieben) in der Datei PFAD oder in den Dateien des Ordners PFAD.\n"
      "Im Ordner werden nur Dateien dieser Endungen durchsucht, ohne Unterordner:";
  for (std::string_view extension : CandidateExtensions) {
    help += ' ';
    help += extension;
  }
  help +=
      "\nAusgabe: eine Zeile je Datei, die WORT enth\xE4lt: Name, Tabulator, Zeilennummern.\n"
      "Ergebnis: 0 mit Treffern, 1 ohne Treffer, 2 bei falschem Aufruf oder unlesbarem PFAD.\n";
  std::fputs(ConsoleText(help).c_str(), stdout);
}

// The fixed message is code page 1252; the path's bytes are shown as they are.
int Fail(std::string_view message, const std::string& path = {}) {
  std::fputs(ConsoleText(message).c_str(), stderr);
  std::fputs(path.c_str(), stderr);
  std::fputc('\n', stderr);
  return Failed;
}

// Gathers the rows as "name TAB lines" and writes them in large pieces.
class RowPrinter {
 public:
  RowPrinter() { buffer.reserve(FlushSize + 4096); }
  ~RowPrinter() { Flush(); }
  RowPrinter(const RowPrinter&) = delete;
  RowPrinter& operator=(const RowPrinter&) = delete;

  void Add(std::string_view row) {
    // The line numbers hold no line feed, so the last one separates the two columns.
    const size_t feed = row.rfind('\n');
    buffer.append(row.substr(0, feed));
    buffer += '\t';
    buffer.append(row.substr(feed + 1));
    buffer += '\n';
    ++rows;
    if (buffer.size() >= FlushSize) Flush();
  }
  bool Any() const { return rows > 0; }

 private:
  static constexpr size_t FlushSize = size_t{1} << 20;
  void Flush() {
    std::fwrite(buffer.data(), 1, buffer.size(), stdout);
    buffer.clear();
  }

  std::string buffer;
  size_t rows = 0;
};

bool IsFolder(const std::string& path) {
  DirectoryListing listing;
  if (!listing.OpenListing(path, "")) return false;
  listing.CloseListing();
  return true;
}

int Run(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    PrintHelp();
    return Found;
  }
  if (argc != 3) return Fail(Usage);
  const std::string_view word = argv[1];
  const std::string path = argv[2];
  if (word.empty()) return Fail(texts::WordNotice);
  // An empty folder text would mean the current folder to the listing.
  if (path.empty()) return Fail(Usage);

  RowPrinter printer;
  const RowSink sink = [&](std::string_view row) { printer.Add(row); };
  if (IsFolder(path)) {
    ChosenFolder = path;
    if (path.back() != '/' && path.back() != FolderSeparator) ChosenFolder += FolderSeparator;
    CandidateCount = 0;
    CollectCandidates(ChosenFolder, [](const std::string&) {});
    SearchFolder(word, sink);
  } else {
    LineReader probe;
    if (!probe.OpenForReading(path)) {
      return Fail("sucholin-cli: Ordner oder Datei nicht lesbar: ", path);
    }
    probe.CloseReader();
    ChosenFile = path;
    SearchFile(word, sink);
  }
  return printer.Any() ? Found : NothingFound;
}

}  // namespace
}  // namespace sucholin::cli

int main(int argc, char** argv) { return sucholin::cli::Run(argc, argv); }
