// ScanFile: the lines of one file that hold the word, found block by block without building lines.
#include <algorithm>

#include "search/scan_kernels.h"
#include "search/search.h"

namespace sucholin {
namespace {

// The word cannot hold a line end, so every occurrence lies inside one line: a block is searched
// as a whole, and line ends are only counted up to each hit. Only the word's overlap with the
// previous block and a CR that ended it are carried over, so memory does not grow with lines.
class HitScanner {
 public:
  explicit HitScanner(std::string_view word)
      : kernels(scan::KernelChoices().front()),
        needle(scan::PrepareNeedle(word)),
        overlap(word.size() - 1) {}

  void ScanBlock(std::string_view block);
  // The hit line numbers joined by commas, with a leading comma; empty without hits.
  const std::string& Hits() const { return hits; }

 private:
  void Hit();
  bool HitAcrossBoundary(std::string_view block);
  void KeepOverlap(std::string_view block, size_t from);

  const scan::Kernels& kernels;
  const scan::Needle needle;
  const size_t overlap;     // bytes of an occurrence that can lie before the block
  int64_t line = 1;         // number of the line the scan stands in
  bool afterCR = false;     // the byte before the scan position is a CR
  bool inHitLine = false;   // the current line is listed; skip to its end
  std::string carry;        // the last bytes before the block, at most overlap of them
  std::string joint;        // carry followed by the start of the block
  std::string hits;
};

void HitScanner::Hit() {
  hits += ',';
  hits += NumberText(line);
  inHitLine = true;
  carry.clear();
}

// An occurrence that starts in carry and ends in the block: it holds the block's first byte,
// so it lies in the line the block starts in.
bool HitScanner::HitAcrossBoundary(std::string_view block) {
  joint.assign(carry);
  joint.append(block.substr(0, overlap));
  const size_t limit = std::min(joint.size(), carry.size() + overlap);
  return kernels.find(joint.data(), limit, needle) < limit;
}

// Keeps the last overlap bytes before the next block, none from before from: those lie in
// earlier lines, so no occurrence can reach from them into the next block.
void HitScanner::KeepOverlap(std::string_view block, size_t from) {
  const size_t take = std::min(overlap, block.size() - from);
  if (from == 0 && take < overlap) {
    // A block shorter than the overlap: the older carried bytes stay in front of it.
    carry.erase(0, carry.size() - std::min(carry.size(), overlap - take));
  } else {
    carry.clear();
  }
  carry.append(block.substr(block.size() - take));
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
    const size_t at = kernels.find(text + pos, rest, needle);
    if (at == rest) {
      line += static_cast<int64_t>(kernels.countEnds(text + pos, rest, afterCR));
      if (rest > 0) afterCR = text[size - 1] == '\r';
      KeepOverlap(block, pos);
      return;
    }
    line += static_cast<int64_t>(kernels.countEnds(text + pos, at, afterCR));
    Hit();
    pos += at + needle.word.size();
  }
}

}  // namespace

void ScanFile(const std::string& path, std::string_view word, std::string_view name,
              const RowSink& sink) {
  // No line holds a line end, so such a word (or none) is in no line; the file is not opened.
  if (word.empty() || word.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return;
  }
  LineReader reader;
  if (!reader.OpenForReading(path)) return;
  HitScanner scanner(word);
  while (reader.NextBlock()) {
    const std::string_view block = reader.Unread();
    scanner.ScanBlock(block);
    reader.Take(static_cast<int32_t>(block.size()));
  }
  reader.CloseReader();
  const std::string& hits = scanner.Hits();
  if (hits.empty()) return;
  std::string row;
  row.reserve(name.size() + hits.size());
  row.append(name);
  row += '\n';
  row.append(hits, 1);  // without the leading comma
  sink(row);
}

}  // namespace sucholin
