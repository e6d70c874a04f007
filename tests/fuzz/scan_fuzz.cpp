// Fuzzes ScanFile against the line-by-line search of the same file: one row, the same hits; and
// the folder search on its threads against its files read one after another.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "search/search.h"
#include "tests/search/line_loop.h"

using namespace sucholin;

// Input bytes from the fourth on become file bytes of a, b, CR, LF and NUL; a byte from 0xF0
// repeats the byte before it, so that short inputs still make lines and words that cross the
// reader's blocks. The first three bytes cut the word from the content, up to 64 bytes long; with
// bit 0x40 its line ends become a, with bit 0x80 its last byte changes, so that it is there or
// nearly there, often over and over.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  constexpr size_t Most = 2 * LineReader::BlockSize + LineReader::BlockSize / 4;
  std::string content;
  for (size_t i = 3; i < size && content.size() < Most; ++i) {
    if (data[i] >= 0xF0 && !content.empty()) {
      const size_t repeat = (data[i] - 0xEFu) * (LineReader::BlockSize / 64 + 1);
      content.append(std::min(repeat, Most - content.size()), content.back());
    } else {
      content += "aaaabbbbab\r\n\0\r\nb"[data[i] & 0x0F];
    }
  }
  const size_t from = (data[1] * 256u + data[2]) % (content.size() + 1);
  std::string word = content.substr(from, 1 + data[0] % 64);
  if ((data[0] & 0x40) != 0) {
    for (char& c : word) c = c == 'b' ? 'b' : 'a';
  }
  if ((data[0] & 0x80) != 0 && !word.empty()) word.back() ^= 3;
  // The file lives in the working folder, which the fuzz script makes and removes.
  const std::string path = "scan_fuzz_input.txt";
  std::ofstream(path, std::ios::binary)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
  std::string row;
  ScanFile(path, word, "f", [&](std::string_view text) { row += text; });
  if (row != testing::LineLoopRow(path, word, "f")) std::abort();

  // For one input in four, the same bytes cut into 1 to 32 files of a folder, some of which are
  // removed, or become folders or FIFOs, after the listing. Starting the threads costs more than
  // the scan, so the others go on to the next input.
  if ((data[2] & 0x03) != 0) return 0;
  namespace fs = std::filesystem;
  fs::remove_all("folder");
  fs::create_directory("folder");
  const size_t files = 1 + data[1] % 32;
  for (size_t i = 0, piece = content.size() / files + 1; i < files; ++i) {
    const std::string bytes = content.substr(std::min(i * piece, content.size()), piece);
    std::ofstream("folder/" + NumberText(i) + ".txt", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ResetSearchState();
  ChosenFolder = "folder/";
  CollectCandidates(ChosenFolder, [](const std::string&) {});
  for (int32_t i = (data[2] >> 2) & 0x07; i < CandidateCount; i += 8) {
    const std::string spoilt = ChosenFolder + CandidateList[static_cast<size_t>(i)];
    fs::remove(spoilt);
    if (i % 3 == 1) fs::create_directory(spoilt);
    if (i % 3 == 2) mkfifo(spoilt.c_str(), 0600);
  }
  testing::Told pool;
  SearchFolder(word, pool.Rows(), pool.Outcomes());
  if (pool.text != testing::OneAfterAnother(word)) std::abort();
  return 0;
}
