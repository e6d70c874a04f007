// Fuzzes the folder search on its threads against the same candidates read one after another:
// the same rows and outcomes in the same order.
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "search/search.h"

using namespace sucholin;

namespace {

// Rows and outcomes as one text, in the order they were handed on.
struct Told {
  std::string text;
  RowSink Rows() {
    return [this](std::string_view row) { text.append("row ").append(row).append("|"); };
  }
  OutcomeSink Outcomes() {
    return [this](std::string_view name, FileOutcome outcome) {
      text.append(name).append(NumberText(static_cast<int32_t>(outcome))).append("|");
    };
  }
};

}  // namespace

// Byte 0 picks the word (bit 0x80: one that nearly matches). Then each byte makes one piece of
// a file: its low three bits a, b, W, ort, CR, LF, NUL or Wort, repeated by its high nibble; a
// byte 0xFF ends the file. Every fifth file is spoilt after the listing: removed, a folder, or a
// FIFO.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string word = (data[0] & 0x80) != 0 ? "Wor" : "Wort";
  static constexpr std::string_view Pieces[] = {"a",  "b",  "W",       "ort",
                                                "\r", "\n", {"\0", 1}, "Wort"};
  namespace fs = std::filesystem;
  const fs::path folder = "folder_fuzz";
  fs::remove_all(folder);
  fs::create_directory(folder);
  std::string content;
  int files = 0;
  const auto write = [&] {
    std::ofstream(folder / (NumberText(files++) + ".txt"), std::ios::binary)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
    content.clear();
  };
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0xFF) {
      write();
      continue;
    }
    const uint8_t piece = data[i] & 0x07;
    for (int repeat = data[i] >> 4; repeat >= 0; --repeat) {
      content.append(Pieces[piece]);
    }
  }
  write();
  ResetSearchState();
  ChosenFolder = folder.string() + "/";
  CollectCandidates(ChosenFolder, [](const std::string&) {});
  for (int32_t i = data[0] % 5; i < CandidateCount; i += 5) {
    const fs::path spoilt = folder / CandidateList[static_cast<size_t>(i)];
    fs::remove(spoilt);
    if (i % 3 == 1) fs::create_directory(spoilt);
    if (i % 3 == 2) mkfifo(spoilt.c_str(), 0600);
  }
  Told pool;
  SearchFolder(word, pool.Rows(), pool.Outcomes());
  Told one;
  LineReader reader;
  const HeldFolder held(ChosenFolder);
  for (int32_t i = 0; i < CandidateCount; ++i) {
    const std::string& name = CandidateList[static_cast<size_t>(i)];
    one.Outcomes()(name, ScanCandidate(reader, held, name, word, one.Rows()));
  }
  if (pool.text != one.text) std::abort();
  return 0;
}
