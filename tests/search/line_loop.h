// The word search done the slow way, the reference ScanFile is held to: the file split into its
// lines one by one, each searched for the word in the file's encoding; and the folder search done
// one file after another.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "search/file_scan.h"
#include "search/search.h"

namespace sucholin::testing {

// A search word as ScanFile gets it, and its forms where it is UTF-8: the code page 1252 bytes
// (if every character has one) and the UTF-16 units. An empty form is found nowhere.
struct Word {
  std::string given, cp1252;
  std::u16string utf16;
};

// The hit lines of a file of units, each line searched for any of the forms (an empty one is
// found nowhere).
template <typename Text>
std::string HitLines(const Text& units, const std::vector<Text>& forms) {
  std::string hits;
  int64_t number = 1;
  size_t start = 0;
  for (size_t i = 0; i <= units.size(); ++i) {
    if (i < units.size() && units[i] != '\r' && units[i] != '\n' && units[i] != 0) continue;
    const std::basic_string_view line(units.data() + start, i - start);
    if (std::any_of(forms.begin(), forms.end(), [&](const Text& form) {
          return !form.empty() && line.find(form) != line.npos;
        })) {
      hits.append(hits.empty() ? "" : ",").append(std::to_string(number));
    }
    ++number;
    if (i + 1 < units.size() && units[i] == '\r' && units[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return hits;
}

// The row ScanFile must hand on for a file of these bytes, shown as name: "" without a hit. A file
// with a UTF-16 mark is split into units after it, an odd last byte dropped; any other into bytes.
inline std::string LineLoopRow(std::string_view file, const Word& word, std::string_view name) {
  const bool little = file.starts_with("\xFF\xFE");
  std::string hits;
  if (little || file.starts_with("\xFE\xFF")) {
    std::u16string units;
    for (size_t i = 2; i + 1 < file.size(); i += 2) {
      const auto first = static_cast<uint8_t>(file[i]);
      const auto second = static_cast<uint8_t>(file[i + 1]);
      units += static_cast<char16_t>(little ? second << 8 | first : first << 8 | second);
    }
    hits = HitLines(units, {word.utf16});
  } else {
    hits = HitLines(std::string(file), {word.given, word.cp1252});
  }
  return hits.empty() ? "" : std::string(name) + "\n" + hits;
}

// The code page 1252 bytes of the characters the tests use, "?" for one it has no byte for, which
// clears whole.
inline std::string Cp1252Of(std::u16string_view units, bool* whole = nullptr) {
  std::string bytes;
  for (const char16_t unit : units) {
    const bool own = unit < 0x80 || (unit >= 0xA0 && unit < 0x100);
    bytes += own ? static_cast<char>(unit) : unit == u'\u20AC' ? '\x80' : '?';
    if (whole && !own && unit != u'\u20AC') *whole = false;
  }
  return bytes;
}

// A UTF-16 file of these units, with its mark.
inline std::string Utf16File(std::u16string_view units, bool big) {
  std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes.append({big ? high : low, big ? low : high});
  }
  return bytes;
}

// The bytes in a heap block of exactly their size, where AddressSanitizer sees a read beyond them.
inline std::unique_ptr<char[]> ExactCopy(std::string_view bytes) {
  auto copy = std::make_unique<char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), copy.get());
  return copy;
}

// The row of a file scanned from memory in blocks of the given size, each an exact copy, and an
// empty block last.
inline std::string ScanInBlocks(std::string_view file, std::string_view word, size_t block) {
  scan::FileScan scan(word, "f");
  for (size_t at = 0; at <= file.size(); at += block) {
    const std::string_view part = file.substr(at, block);
    scan.Feed({ExactCopy(part).get(), part.size()});
  }
  scan.Feed({ExactCopy({}).get(), 0});
  return std::string(scan.Finish());
}

// The row of a file scanned from memory in pieces side by side, read in blocks of the given size,
// each read giving at most 5 bytes, as a read may give fewer than asked for.
inline std::string ScanInPieces(std::string_view file, std::string_view word, int32_t pieces,
                                int32_t block) {
  const auto read = [file](int64_t offset, char* into, int32_t count) {
    const std::string_view part = file.substr(std::min(static_cast<size_t>(offset), file.size()),
                                              std::min(static_cast<size_t>(count), size_t{5}));
    std::copy(part.begin(), part.end(), into);
    return static_cast<int32_t>(part.size());
  };
  scan::RowText row;
  scan::ScanInPieces(read, static_cast<int64_t>(file.size()), pieces, block, word, "f", row);
  return std::string(row.View());
}

// Rows and outcomes as one text, in the order a search hands them on, and whether it did so on
// another thread than the one that made this.
struct Told {
  std::string text;
  const std::thread::id caller = std::this_thread::get_id();
  void Note(std::string_view event) {
    text.append(event).append(std::this_thread::get_id() == caller ? "|" : " elsewhere|");
  }
  RowSink Rows() {
    return [this](std::string_view row) { Note(row); };
  }
  OutcomeSink Outcomes() {
    return [this](std::string_view name, FileOutcome outcome) {
      Note(std::string(name) + " " + NumberText(static_cast<int32_t>(outcome)));
    };
  }
};

// What SearchFolder must hand on: the candidates read by one reader, in listing order.
inline std::string OneAfterAnother(std::string_view word) {
  Told told;
  LineReader reader;
  const HeldFolder folder(ChosenFolder);
  for (int32_t i = 0; i < CandidateCount; ++i) {
    const std::string& name = CandidateList[static_cast<size_t>(i)];
    told.Outcomes()(name, ScanCandidate(reader, folder, name, word, told.Rows()));
  }
  return told.text;
}

}  // namespace sucholin::testing
