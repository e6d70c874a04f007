// A large file scanned in pieces side by side: each thread reads and scans its own bytes, so the
// copies out of the page cache and the scans run on every core without passing blocks between
// them.
#include <algorithm>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

#include "search/file_scan.h"

namespace sucholin::scan {
namespace {

constexpr int64_t ToTheEnd = INT64_MAX;

struct Piece {
  int64_t from = 0;
  int64_t to = ToTheEnd;
  // The first piece's row; for each other piece a line feed, then its hit lines counted from the
  // line it starts in.
  RowText numbers;
  int64_t lines = 1;    // the line the piece ends in, counted the same way
  bool failed = false;  // a read failed
  std::exception_ptr fault;
};

// Reads bytes from offset on, up to the file's end, to which they are cut; false when a read
// failed.
bool ReadWhole(const ReadAt& read, int64_t offset, std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const int32_t got = read(offset + static_cast<int64_t>(done), bytes.data() + done,
                             static_cast<int32_t>(bytes.size() - done));
    if (got < 0) return false;
    if (got == 0) bytes.resize(done);
    done += static_cast<size_t>(got);
  }
  return true;
}

// bigEndian: set for a UTF-16 file, to its byte order; forms are those of the file's encoding.
void ScanPiece(const ReadAt& read, const std::vector<std::string>& forms,
               std::optional<bool> bigEndian, int32_t block, std::string_view name, Piece& piece) {
  std::optional<Utf16Decoder> decoder;
  if (bigEndian) decoder.emplace(*bigEndian);
  std::optional<HitScanner> scanner;
  if (!forms.empty()) scanner.emplace(forms, name, piece.numbers);
  const int64_t first = decoder ? 2 : 0;  // after a UTF-16 mark
  if (scanner && piece.from > first) {
    // Enough bytes before the piece for all but one byte of the longest form, and for a CR.
    size_t longest = 0;
    for (const std::string& form : forms) longest = std::max(longest, form.size());
    const int64_t from = std::max(first, piece.from - static_cast<int64_t>(longest) * 2);
    std::string before(static_cast<size_t>(piece.from - from), '\0');
    if (!ReadWhole(read, from, before)) {
      piece.failed = true;
      return;
    }
    scanner->Resume(decoder ? Utf16Decoder(*bigEndian).Decode(before) : std::string_view(before));
  }
  const ReadBuffer bytes = NewReadBuffer(static_cast<size_t>(block));
  for (int64_t at = piece.from; at < piece.to;) {
    const int32_t got =
        read(at, bytes.get(), static_cast<int32_t>(std::min<int64_t>(block, piece.to - at)));
    piece.failed = got < 0;
    if (got <= 0) break;  // a file that shrank since ends in the piece, and the next read nothing
    at += got;
    const std::string_view taken(bytes.get(), static_cast<size_t>(got));
    if (scanner) scanner->ScanBlock(decoder ? decoder->Decode(taken) : taken);
  }
  if (scanner) piece.lines = scanner->Line();
}

// Appends the numbers of a piece, moved on by base, but not a line the row already ends in.
void AppendNumbers(std::string_view numbers, int64_t base, int64_t& last, std::string_view name,
                   RowText& row) {
  int64_t number = 0;
  for (size_t i = 0; i <= numbers.size(); ++i) {
    if (i < numbers.size() && numbers[i] != ',') {
      number = number * 10 + (numbers[i] - '0');
      continue;
    }
    if (base + number != last) {
      last = base + number;
      row.AppendLine(name, last);
    }
    number = 0;
  }
}

}  // namespace

FileOutcome ScanInPieces(const ReadAt& read, int64_t size, int32_t pieces, int32_t block,
                         std::string_view word, std::string_view name, RowText& row) {
  std::string mark(2, '\0');
  if (!ReadWhole(read, 0, mark)) return FileOutcome::ReadFailed;
  const WordForms forms = FormsOf(word);
  std::optional<bool> bigEndian;
  if (mark == "\xFF\xFE" || mark == "\xFE\xFF") bigEndian = mark[0] == '\xFE';
  const std::vector<std::string>& sought = bigEndian ? forms.wide : forms.eightBit;
  // Cuts at even places after the mark, which no UTF-16 unit straddles; the last piece reads on
  // to the end.
  std::vector<Piece> parts(static_cast<size_t>(pieces));
  const int64_t first = bigEndian ? 2 : 0;
  for (size_t k = 0; k < parts.size(); ++k) {
    parts[k].from =
        first + ((std::max(size, first) - first) / pieces * static_cast<int64_t>(k) & ~int64_t{1});
    if (k > 0) parts[k - 1].to = parts[k].from;
  }
  const auto scan = [&](Piece& piece) {
    try {
      ScanPiece(read, sought, bigEndian, block, &piece == &parts[0] ? name : "", piece);
    } catch (...) {
      piece.fault = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(parts.size());
  for (size_t k = 1; k < parts.size(); ++k) {
    try {
      threads.emplace_back(scan, std::ref(parts[k]));
    } catch (...) {
      break;  // the pieces without a thread are scanned here, after the first
    }
  }
  scan(parts[0]);
  for (std::thread& thread : threads) thread.join();
  for (size_t k = threads.size() + 1; k < parts.size(); ++k) scan(parts[k]);

  // The first piece's row is the file's row so far; each further piece's numbers are freed once
  // moved on to it, so that the row is held little more than once.
  if (parts[0].fault) std::rethrow_exception(parts[0].fault);
  row = std::move(parts[0].numbers);
  const std::string_view shown = row.View();
  int64_t last = 0;  // the line the row ends in
  for (size_t i = shown.find_last_not_of("0123456789") + 1; i < shown.size(); ++i)
    last = last * 10 + (shown[i] - '0');
  int64_t base = parts[0].lines - 1;
  for (size_t k = 1; k < parts.size() && !parts[k - 1].failed; ++k) {
    Piece& piece = parts[k];
    if (piece.fault) std::rethrow_exception(piece.fault);
    const std::string_view numbers = piece.numbers.View();
    if (!numbers.empty()) AppendNumbers(numbers.substr(1), base, last, name, row);
    piece.numbers = RowText();
    base += piece.lines - 1;
  }
  const bool failed =
      std::any_of(parts.begin(), parts.end(), [](const Piece& piece) { return piece.failed; });
  return failed ? FileOutcome::ReadFailed : FileOutcome::ReadToEnd;
}

}  // namespace sucholin::scan
