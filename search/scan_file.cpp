// ScanFile: the lines of one file that hold the word, found block by block without building lines.
#include <algorithm>
#include <cstring>
#include <new>
#include <thread>

#include "search/file_scan.h"
#include "search/search.h"

namespace sucholin {
namespace scan {

void RowText::Append(std::string_view bytes) {
  if (bytes.empty()) return;
  if (capacity - size < bytes.size()) Grow(bytes.size());
  std::memcpy(data.get() + size, bytes.data(), bytes.size());
  size += bytes.size();
}

void RowText::Grow(size_t more) {
  const size_t grown = std::max({size + more, 2 * capacity, size_t{256}});
  char* const moved = static_cast<char*>(std::realloc(data.get(), grown));
  if (moved == nullptr) throw std::bad_alloc();
  static_cast<void>(data.release());  // realloc has taken over the old block
  data.reset(moved);
  capacity = grown;
}

HitScanner::HitScanner(const std::vector<std::string>& forms, std::string_view rowName,
                       RowText& rowText)
    : kernels(KernelChoices().front()), next(forms.size(), Unknown), name(rowName), row(rowText) {
  finders.reserve(forms.size());
  for (const std::string& form : forms) {
    finders.emplace_back(form);
    overlap = std::max(overlap, form.size() - 1);
  }
}

void RowText::AppendLine(std::string_view name, int64_t line) {
  if (size == 0) {
    Append(name);
    Append("\n");
  } else {
    Append(",");
  }
  Append(NumberText(line));
}

void HitScanner::Hit() {
  row.AppendLine(name, line);
  inHitLine = true;
  carry.clear();
}

size_t HitScanner::FindCountingEnds(std::string_view block, size_t pos) {
  const char* const text = block.data() + pos;
  const size_t rest = block.size() - pos;
  // Each form's next place is searched for once, and again only when the scan has passed it.
  size_t at = block.size();
  for (size_t k = 0; k < finders.size(); ++k) {
    if (next[k] == Unknown || next[k] < pos) next[k] = pos + finders[k].Find(text, rest);
    at = std::min(at, next[k]);
  }
  // Without any CR every terminator byte ends a line, which is cheaper to count. Once a CR has
  // turned up, the file is counted the full way.
  if (!crSeen && !afterCR) {
    const uint64_t terminators = kernels.countTerminators(text, at - pos, crSeen);
    if (!crSeen) {
      line += static_cast<int64_t>(terminators);
      return at;
    }
  }
  line += static_cast<int64_t>(kernels.countEnds(text, at - pos, afterCR));
  return at;
}

// An occurrence that starts in carry and ends in the block holds the block's first byte, so it
// lies in the line the block starts in. It is a form's first occurrence in carry joined to the
// block's first overlap bytes, if that starts in carry; one that reaches beyond them is found
// with a later block. Searched in linear time, so a long word costs O(word) per block, not
// O(word²).
bool HitScanner::HitAcrossBoundary(std::string_view block) {
  joined.assign(carry);
  joined.append(block.substr(0, overlap));
  return std::any_of(finders.begin(), finders.end(), [&](const WordFinder& finder) {
    return finder.Find(joined.data(), joined.size()) < carry.size();
  });
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

void HitScanner::Resume(std::string_view before) {
  afterCR = !before.empty() && before.back() == '\r';
  // Bytes up to the last line end lie in earlier lines, where a shorter form may stand whole; an
  // occurrence in the bytes after it lies in the line the scan starts in.
  if (const size_t end = before.find_last_of(std::string_view("\r\n\0", 3)); end != before.npos)
    before.remove_prefix(end + 1);
  carry.assign(before.substr(before.size() - std::min(before.size(), overlap)));
}

void HitScanner::ScanBlock(std::string_view block) {
  std::fill(next.begin(), next.end(), Unknown);
  const size_t size = block.size();
  if (!inHitLine && !carry.empty() && HitAcrossBoundary(block)) Hit();
  size_t pos = 0;
  for (;;) {
    if (inHitLine) {
      const size_t end = pos + kernels.findEnd(block.data() + pos, size - pos);
      if (end == size) return;  // the listed line goes on in the next block
      ++line;
      afterCR = block[end] == '\r';
      pos = end + 1;
      inHitLine = false;
    }
    const size_t at = FindCountingEnds(block, pos);
    if (at == size) {
      if (size > pos) afterCR = block[size - 1] == '\r';
      KeepOverlap(block, pos);
      return;
    }
    Hit();
    pos = at + 1;  // the rest of the line is skipped from here
  }
}

FileScan::FileScan(std::string_view word, std::string_view rowName)
    : forms(FormsOf(word)), name(rowName) {}

// A UTF-16 mark is no part of line 1; a file of one byte has none.
void FileScan::Begin() {
  const bool little = start == "\xFF\xFE";
  if (little || start == "\xFE\xFF") {
    decoder.emplace(!little);
    if (!forms.wide.empty()) scanner.emplace(forms.wide, name, row);
    return;
  }
  scanner.emplace(forms.eightBit, name, row);
  scanner->ScanBlock(start);
}

void FileScan::Feed(std::string_view block) {
  if (forms.eightBit.empty()) return;
  if (start.size() < 2) {
    const size_t take = std::min(block.size(), 2 - start.size());
    start.append(block.substr(0, take));
    block.remove_prefix(take);
    if (start.size() < 2) return;
    Begin();
  }
  if (scanner) scanner->ScanBlock(decoder ? decoder->Decode(block) : block);
}

std::string_view FileScan::Finish() {
  if (start.size() == 1) Begin();
  return row.View();
}

}  // namespace scan

namespace {

// A file is cut into pieces scanned side by side when each piece can be this large; below it,
// starting a thread costs more than it saves.
constexpr int64_t PieceBytes = int64_t{8} << 20;

// One piece a core, and a bound for very large machines.
int32_t PiecesFor(int64_t size) {
  const int64_t cores = std::max(std::thread::hardware_concurrency(), 1u);
  return static_cast<int32_t>(
      std::clamp<int64_t>(size / PieceBytes, 1, std::min<int64_t>(cores, 16)));
}

// Opens the file with open(reader) and hands its row, if any, to sink. A word that no line can
// hold still has its file opened and read, so that a file that cannot be is told as for any word.
// With inPieces, a large file is scanned in pieces side by side.
template <typename Open>
FileOutcome Scan(LineReader& reader, std::string_view word, std::string_view name,
                 const RowSink& sink, Open open, bool inPieces = false) {
  if (word.empty()) return FileOutcome::ReadToEnd;
  if (!open(reader)) return reader.Outcome();
  if (const int32_t pieces = inPieces ? PiecesFor(reader.Size()) : 1; pieces > 1) {
    scan::RowText row;
    const FileOutcome outcome =
        scan::ScanInPieces([&](int64_t offset, char* into,
                               int32_t count) { return reader.ReadAt(offset, into, count); },
                           reader.Size(), pieces, LineReader::BlockSize, word, name, row);
    reader.CloseReader();
    if (!row.View().empty()) sink(row.View());
    return outcome;
  }
  scan::FileScan scan(word, name);
  while (reader.NextBlock()) {
    const std::string_view block = reader.Unread();
    scan.Feed(block);
    reader.Take(static_cast<int32_t>(block.size()));
  }
  const FileOutcome outcome = reader.Outcome();
  reader.CloseReader();
  if (const std::string_view row = scan.Finish(); !row.empty()) sink(row);
  return outcome;
}

}  // namespace

FileOutcome ScanFile(const std::string& path, std::string_view word, std::string_view name,
                     const RowSink& sink) {
  LineReader reader;
  return Scan(
      reader, word, name, sink, [&](LineReader& opening) { return opening.OpenForReading(path); },
      /*inPieces=*/true);
}

FileOutcome ScanCandidate(LineReader& reader, const HeldFolder& folder, const std::string& name,
                          std::string_view word, const RowSink& sink) {
  return Scan(reader, word, name, sink,
              [&](LineReader& opening) { return opening.OpenForReading(folder, name); });
}

}  // namespace sucholin
