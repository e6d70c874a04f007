// Fuzzes the file scan against the line-by-line search of the same bytes, in every encoding: one
// row, the same hits, also in pieces side by side; and, now and then, the folder search on its
// threads against its files read one after another.
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "search/name_text.h"
#include "tests/search/line_loop.h"

using namespace sucholin;

namespace {

// The characters files are made of. U+0085 has no code page 1252 byte; the surrogate has no pair,
// so in UTF-8 its bytes are no text.
constexpr std::u16string_view Alphabet[16] = {
    u"a",      u"\u0085", u"a",      u"b",      u"b",          u"\r",     u"\n", {u"\0", 1},
    u"\u00FC", u"\u20AC", u"\u00DF", u"\u03A9", u"\U0001D11E", u"\xD800", u"a",  u"b"};

std::u16string Joined(const std::vector<std::u16string_view>& chars) {
  std::u16string text;
  for (const std::u16string_view c : chars) text += c;
  return text;
}

}  // namespace

// The first three bytes cut the word from the characters, up to 64 of them; with bit 0x80 its last
// character changes, so that it is there or nearly there. The fourth picks the encoding (bits 0-1),
// an odd last byte (bit 2) and the block size (the rest). From the fifth on, each byte is a
// character, or from 0xF0 repeats the one before it, so that short inputs still make long lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  constexpr size_t Most = 512;
  std::vector<std::u16string_view> chars;
  for (size_t i = 4; i < size && chars.size() < Most; ++i) {
    if (data[i] >= 0xF0 && !chars.empty()) {
      chars.insert(chars.end(), std::min<size_t>((data[i] - 0xEFu) * 8, Most - chars.size()),
                   chars.back());
    } else {
      chars.push_back(Alphabet[data[i] & 0x0F]);
    }
  }
  const std::u16string content = Joined(chars);
  const size_t from = (data[1] * 256u + data[2]) % (chars.size() + 1);
  const auto first = chars.begin() + static_cast<ptrdiff_t>(from);
  std::vector<std::u16string_view> wordChars(
      first,
      first + static_cast<ptrdiff_t>(std::min<size_t>(chars.size() - from, 1 + data[0] % 64)));
  if ((data[0] & 0x80) != 0 && !wordChars.empty())
    wordChars.back() = Alphabet[(data[0] >> 2) & 0x0F];
  const std::u16string units = Joined(wordChars);
  const std::string word = Wtf8FromUtf16(units);
  // A word with a lone surrogate is no UTF-8: it is searched as its bytes alone.
  const bool valid = units.find(u"\xD800") == units.npos;
  bool whole = valid;
  const std::string cp1252 = testing::Cp1252Of(units, &whole);
  const testing::Word forms{word, whole ? cp1252 : "", valid ? units : u""};

  const int encoding = data[3] & 3;
  std::string file = encoding == 0 ? testing::Cp1252Of(content) : Wtf8FromUtf16(content);
  if (encoding >= 2) file = testing::Utf16File(content, encoding == 3);
  if ((data[3] & 4) != 0) file += 'a';
  const size_t block = 1 + static_cast<size_t>(data[3] >> 3) * (data[3] >> 3);

  // Each block in a buffer of exactly its size, so that a read beyond it is seen.
  const std::string row = testing::LineLoopRow(file, forms, "f");
  if (testing::ScanInBlocks(file, word, block) != row) std::abort();

  // A thread costs more than the scan: the pieces side by side are tried for one input in four,
  // the folder for one in 128, picked by a hash of the whole input so that the fuzzer cannot
  // steer towards them.
  const size_t lot = std::hash<std::string_view>{}({reinterpret_cast<const char*>(data), size});
  if (lot % 4 != 0) return 0;
  const auto pieces = 2 + static_cast<int32_t>(lot / 4 % 4);
  if (testing::ScanInPieces(file, word, pieces, static_cast<int32_t>(block)) != row) std::abort();

  // The same bytes cut into 1 to 8 files of a folder, some of which are removed, or become
  // folders or FIFOs, after the listing.
  if (lot % 128 != 0) return 0;
  namespace fs = std::filesystem;
  fs::remove_all("folder");
  fs::create_directory("folder");
  const size_t files = 1 + data[1] % 8;
  for (size_t i = 0, piece = file.size() / files + 1; i < files; ++i) {
    const std::string bytes = file.substr(std::min(i * piece, file.size()), piece);
    std::ofstream("folder/" + NumberText(i) + ".txt", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ResetSearchState();
  ChosenFolder = "folder/";
  CollectCandidates(ChosenFolder, [](const std::string&) {});
  for (int32_t i = data[2] >> 6; i < CandidateCount; i += 4) {
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
