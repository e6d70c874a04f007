// The scan of one file's bytes for a word, block by block, in the file's own encoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/scan_kernels.h"
#include "search/search.h"

namespace sucholin::scan {

// The bytes a word is looked for as. In a file without a UTF-16 mark: the word's UTF-8 and, where
// every character has one, its code page 1252 bytes; a word that is not UTF-8, its bytes alone.
// In a UTF-16 file: its units as Utf16Decoder gives them, none if it is not UTF-8. A word holding
// a line end is in no line, so it has no form at all.
struct WordForms {
  std::vector<std::string> eightBit;
  std::vector<std::string> wide;  // one form or none
};
WordForms FormsOf(std::string_view word);

// UTF-16 units after the byte-order mark, turned into bytes block by block: an ASCII unit or a
// Latin-1 letter is its own byte; any other unit four bytes, a lead from 0x80 to 0x8F and three
// from 0x90 to 0x9F, which no such unit is. Every unit's bytes start apart from the others' and a
// line end stays its byte, so the lines, and the places of a word turned the same way, are those
// of the units; German text goes through the vector kernel whole.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(bool big) : bigEndian(big) {}
  // The bytes of the units that bytes complete; valid until the next call.
  std::string_view Decode(std::string_view bytes);

 private:
  const Kernels& kernels = KernelChoices().front();
  const bool bigEndian;
  std::optional<char> oddByte;  // a unit's first byte, at the end of the last block
  std::vector<char> out;
};

// The row's text, built once where it is handed on. It grows with realloc, which moves the pages
// of a large block instead of copying them, so a row of hundreds of megabytes needs little more
// memory than its own size.
class RowText {
 public:
  void Append(std::string_view bytes);
  // Appends a hit line's number: after the name and a line feed if it is the first, else after a
  // comma.
  void AppendLine(std::string_view name, int64_t line);
  std::string_view View() const { return {data.get(), size}; }

 private:
  struct Free {
    void operator()(char* bytes) const { std::free(bytes); }
  };
  void Grow(size_t more);

  std::unique_ptr<char, Free> data;
  size_t size = 0;
  size_t capacity = 0;
};

// The forms cannot hold a line end, so every occurrence lies inside one line: a block is searched
// as a whole, and line ends are only counted up to each hit. Only the forms' overlap with the
// previous block and a CR that ended it are carried over, so memory does not grow with lines.
class HitScanner {
 public:
  // forms (one or two, none empty) must outlive the scanner. From the first hit on, row holds
  // the name, a line feed and the hit line numbers.
  HitScanner(const std::vector<std::string>& forms, std::string_view rowName, RowText& rowText);

  void ScanBlock(std::string_view block);
  // Before the first block of a scan that starts inside a file: the bytes just before it, in the
  // form the blocks come in, tell whether a CR ended them and which occurrence lies, or begins, in
  // the line the first block starts in.
  // Lines are then counted from the one the first block starts in.
  void Resume(std::string_view before);
  // The number of the line the scan stands in.
  int64_t Line() const { return line; }

 private:
  static constexpr size_t Unknown = SIZE_MAX;
  void Hit();
  // Place of the next occurrence of any form in block from pos on, or the block's size; counts
  // the lines up to it.
  size_t FindCountingEnds(std::string_view block, size_t pos);
  bool HitAcrossBoundary(std::string_view block);
  void KeepOverlap(std::string_view block, size_t from);

  const Kernels& kernels;
  std::vector<WordFinder> finders;
  std::vector<size_t> next;  // per form: its next place in the block, once searched for
  size_t overlap = 0;        // bytes of an occurrence that can lie before the block
  int64_t line = 1;          // number of the line the scan stands in
  bool afterCR = false;      // the byte before the scan position is a CR
  bool inHitLine = false;    // the current line is listed; skip to its end
  bool crSeen = false;       // the file has CRs, so CR LF pairs must be looked for
  std::string carry;         // the last bytes before the block, at most overlap of them
  std::string joined;        // carry and the block's first bytes, for the boundary check
  const std::string_view name;
  RowText& row;
};

// One file's scan: fed its bytes in blocks of any size, it tells the encoding from the first two
// and hands the rest to the scanner of that encoding.
class FileScan {
 public:
  FileScan(std::string_view word, std::string_view rowName);
  FileScan(const FileScan&) = delete;
  FileScan& operator=(const FileScan&) = delete;

  void Feed(std::string_view block);
  // After the last block: the row, empty when no line holds the word.
  std::string_view Finish();

 private:
  void Begin();

  const WordForms forms;
  const std::string_view name;
  // The first bytes; the encoding is told, and the scan begun, once there are two of them.
  std::string start;
  std::optional<Utf16Decoder> decoder;
  std::optional<HitScanner> scanner;
  RowText row;
};

// Reads up to count bytes of a file from offset on: the bytes got, 0 at its end, -1 when the read
// failed. Called from several threads at once.
using ReadAt = std::function<int32_t(int64_t offset, char* into, int32_t count)>;

// A file of size bytes cut into pieces that are read and scanned side by side, one thread each,
// in reads of block bytes. Each piece after the first resumes the scan with the bytes just before
// it and numbers its lines from the one it starts in; the hits are joined in file order, and a
// line with hits on both sides of a cut is listed once. A read that fails ends the file there. The
// row, and the outcome, are FileScan's.
FileOutcome ScanInPieces(const ReadAt& read, int64_t size, int32_t pieces, int32_t block,
                         std::string_view word, std::string_view name, RowText& row);

}  // namespace sucholin::scan
