// ScanFile: the lines of one file that hold the word, found block by block without building lines.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "search/scan_kernels.h"
#include "search/search.h"

namespace sucholin {
namespace {

// The row's text, built once where it is handed on. It grows with realloc, which moves the pages
// of a large block instead of copying them, so a row of hundreds of megabytes needs little more
// memory than its own size.
class RowText {
 public:
  void Append(std::string_view bytes) {
    if (bytes.empty()) return;
    if (capacity - size < bytes.size()) Grow(bytes.size());
    std::memcpy(data.get() + size, bytes.data(), bytes.size());
    size += bytes.size();
  }
  std::string_view View() const { return {data.get(), size}; }

 private:
  struct Free {
    void operator()(char* bytes) const { std::free(bytes); }
  };
  void Grow(size_t more) {
    const size_t next = std::max({size + more, 2 * capacity, size_t{256}});
    char* grown = static_cast<char*>(std::realloc(data.get(), next));
    if (grown == nullptr) throw std::bad_alloc();
    static_cast<void>(data.release());  // realloc has taken over the old block
    data.reset(grown);
    capacity = next;
  }

  std::unique_ptr<char, Free> data;
  size_t size = 0;
  size_t capacity = 0;
};

// The word cannot hold a line end, so every occurrence lies inside one line: a block is searched
// as a whole, and line ends are only counted up to each hit. Only the word's overlap with the
// previous block and a CR that ended it are carried over, so memory does not grow with lines.
class HitScanner {
 public:
  // From the first hit on, row holds the name, a line feed and the hit line numbers.
  HitScanner(std::string_view word, std::string_view rowName, RowText& rowText)
      : kernels(scan::KernelChoices().front()),
        finder(word),
        overlap(word.size() - 1),
        name(rowName),
        row(rowText) {}

  void ScanBlock(std::string_view block);
  bool AnyHit() const { return anyHit; }

 private:
  void Hit();
  // Start of the word's first occurrence in text[0, size), or size; counts the lines up to it.
  size_t FindCountingEnds(const char* text, size_t size);
  bool HitAcrossBoundary(std::string_view block);
  void KeepOverlap(std::string_view block, size_t from);

  const scan::Kernels& kernels;
  const scan::WordFinder finder;
  const size_t overlap;    // bytes of an occurrence that can lie before the block
  int64_t line = 1;        // number of the line the scan stands in
  bool afterCR = false;    // the byte before the scan position is a CR
  bool inHitLine = false;  // the current line is listed; skip to its end
  bool crSeen = false;     // the file has CRs, so CR LF pairs must be looked for
  std::string carry;       // the last bytes before the block, at most overlap of them
  std::string joined;      // carry and the block's first bytes, for the boundary check
  const std::string_view name;
  RowText& row;
  bool anyHit = false;
};

void HitScanner::Hit() {
  if (anyHit) {
    row.Append(",");
  } else {
    row.Append(name);
    row.Append("\n");
  }
  row.Append(NumberText(line));
  anyHit = true;
  inHitLine = true;
  carry.clear();
}

// Without any CR every terminator byte ends a line, which is cheaper to count, and for a short word
// counted in the search's own pass. Once a CR has turned up, the file is counted the full way.
size_t HitScanner::FindCountingEnds(const char* text, size_t size) {
  if (finder.IsShort() && !crSeen && !afterCR) {
    uint64_t terminators = 0;
    const size_t at = kernels.findCounting(text, size, finder.Head(), terminators, crSeen);
    line += static_cast<int64_t>(crSeen ? kernels.countEnds(text, at, afterCR) : terminators);
    return at;
  }
  const size_t at = finder.Find(text, size);
  line += static_cast<int64_t>(kernels.countEnds(text, at, afterCR));
  return at;
}

// An occurrence that starts in carry and ends in the block holds the block's first byte, so it
// lies in the line the block starts in. It is the first occurrence in carry joined to the block's
// first overlap bytes, if that starts in carry; one that reaches beyond them is found with a later
// block. Searched in linear time, so a long word costs O(word) per block, not O(word²).
bool HitScanner::HitAcrossBoundary(std::string_view block) {
  joined.assign(carry);
  joined.append(block.substr(0, overlap));
  return finder.Find(joined.data(), joined.size()) < carry.size();
}

// Keeps the last overlap bytes for the next block, but none before from: they lie in earlier
// lines, so no occurrence can reach from them into the next block.
void HitScanner::KeepOverlap(std::string_view block, size_t from) {
  const size_t take = std::min(overlap, block.size() - from);
  const std::string_view tail = block.substr(block.size() - take);
  if (from == 0 && take < overlap) {
    // A block shorter than the overlap: the older carried bytes stay in front of it.
    carry.erase(0, carry.size() - std::min(carry.size(), overlap - take));
    carry.append(tail);
  } else {
    carry.assign(tail);
  }
}

void HitScanner::ScanBlock(std::string_view block) {
  const char* const text = block.data();
  const size_t size = block.size();
  if (!inHitLine && !carry.empty() && HitAcrossBoundary(block)) Hit();
  size_t pos = 0;
  for (;;) {
    if (inHitLine) {
      const size_t end = pos + kernels.findEnd(text + pos, size - pos);
      if (end == size) return;  // the listed line goes on in the next block
      ++line;
      afterCR = text[end] == '\r';
      pos = end + 1;
      inHitLine = false;
    }
    const size_t rest = size - pos;
    const size_t at = FindCountingEnds(text + pos, rest);
    if (at == rest) {
      if (rest > 0) afterCR = text[size - 1] == '\r';
      KeepOverlap(block, pos);
      return;
    }
    Hit();
    pos += at + overlap + 1;  // past the word
  }
}

// Opens the file with open(reader) and hands its row, if any, to sink.
template <typename Open>
FileOutcome Scan(LineReader& reader, std::string_view word, std::string_view name,
                 const RowSink& sink, Open open) {
  // No line holds a line end, so such a word (or none) is in no line; the file is not opened.
  if (word.empty() || word.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return FileOutcome::ReadToEnd;
  }
  if (!open(reader)) return reader.Outcome();
  RowText row;
  HitScanner scanner(word, name, row);
  while (reader.NextBlock()) {
    const std::string_view block = reader.Unread();
    scanner.ScanBlock(block);
    reader.Take(static_cast<int32_t>(block.size()));
  }
  const FileOutcome outcome = reader.Outcome();
  reader.CloseReader();
  if (scanner.AnyHit()) sink(row.View());
  return outcome;
}

}  // namespace

FileOutcome ScanFile(const std::string& path, std::string_view word, std::string_view name,
                     const RowSink& sink) {
  LineReader reader;
  return Scan(reader, word, name, sink,
              [&](LineReader& opening) { return opening.OpenForReading(path); });
}

FileOutcome ScanCandidate(LineReader& reader, const HeldFolder& folder, const std::string& name,
                          std::string_view word, const RowSink& sink) {
  return Scan(reader, word, name, sink,
              [&](LineReader& opening) { return opening.OpenForReading(folder, name); });
}

}  // namespace sucholin
