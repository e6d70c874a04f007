// The search core: text utilities, line reader, word search and folder scan. Knows no windows.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace sucholin {

// Texts are byte strings: UTF-8 (WTF-8 for Windows names, see name_text.h) for what the program
// shows and names, the file system's own bytes for POSIX names; nothing here case-folds them.

// ---- Text utilities. Absent texts are empty texts. ----
// The decimal text of a magnitude, with a minus sign in front when negative.
std::string DecimalText(uint64_t magnitude, bool negative);
template <std::integral Number>
std::string NumberText(Number value) {
  const auto wide = static_cast<uint64_t>(value);
  if constexpr (std::is_signed_v<Number>) {
    // The magnitude is worked out unsigned, so that the smallest value has one too.
    if (value < 0) return DecimalText(0 - wide, true);
  }
  return DecimalText(wide, false);
}
bool TextEquals(std::string_view a, std::string_view b);

// The separator the platform's folder texts end in: '\\' on Windows, '/' elsewhere.
extern const char FolderSeparator;

// ---- Line reader: one file, read block by block. ----

// What became of a file that was to be read. The desktop programs skip every file without a row
// alike; the command line tells the failures.
enum class FileOutcome : int32_t {
  ReadToEnd,   // all of it was read
  NotRegular,  // a folder, FIFO, socket or device: not opened
  OpenFailed,  // missing, vanished or not permitted
  ReadFailed,  // a read failed; the lines before it count
};

// A folder held open for the time of one search, so that its files are opened relative to it.
class HeldFolder {
 public:
  explicit HeldFolder(const std::string& folder);
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;
  ~HeldFolder();

  const std::string& Text() const { return text; }
  intptr_t Handle() const { return handle; }

 private:
  std::string text;
  intptr_t handle;
};

// Bytes a read goes into, on the heap and cache-line aligned: the scan reads them in vector
// loads, and a copy out of the page cache into an unaligned buffer costs over twice as much.
struct FreeReadBuffer {
  void operator()(char* bytes) const;
};
using ReadBuffer = std::unique_ptr<char[], FreeReadBuffer>;
ReadBuffer NewReadBuffer(size_t bytes);

class LineReader {
 public:
  // Bytes per read, the platform's choice: 4096 on Windows, as it always read; elsewhere chosen
  // by measurement: reads of 32 KiB to 512 KiB cost about the same per GiB, reads of 4096 bytes
  // over half as much again, and 128 KiB needs few reads and stays inside the core's cache while
  // the scan goes over it. The lines are the same at any size.
#ifdef _WIN32
  static constexpr int32_t BlockSize = 4096;
#else
  static constexpr int32_t BlockSize = 128 * 1024;
#endif

  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader() { CloseReader(); }

  // Opens a regular file for reading (closing an open one first); false if it cannot be opened.
  bool OpenForReading(const std::string& path);
  // Opens the file name of an open folder, relative to it where the platform allows.
  bool OpenForReading(const HeldFolder& folder, const std::string& name);
  void CloseReader();
  bool IsOpen() const { return handle != NoHandle; }
  // Why the last open gave false, or whether a read failed since (which ends the file there).
  FileOutcome Outcome() const { return outcome; }
  // The open file's size when it was opened.
  int64_t Size() const { return size; }
  // Reads up to count bytes from offset on, apart from the blocks; safe on several threads at
  // once. The bytes got, 0 at the end of the file, -1 when the read failed.
  int32_t ReadAt(int64_t offset, char* into, int32_t count) const;

  // The untaken bytes of the current block; empty when it is used up.
  std::string_view Unread() const {
    return {block.get() + (filled - unread), static_cast<size_t>(unread)};
  }
  // Marks the first count bytes of Unread() as taken.
  void Take(int32_t count) { unread -= count; }
  // Reads the next block once the current one is used up; false at the end of the file.
  bool NextBlock();

 private:
  static constexpr intptr_t NoHandle = -1;
  bool Open(intptr_t folder, const std::string& folderText, const std::string& name);

  intptr_t handle = NoHandle;
  FileOutcome outcome = FileOutcome::ReadToEnd;
  int64_t size = 0;
  int32_t filled = 0;
  int32_t unread = 0;
  // On the heap, obtained at the first open and kept for every later file, so that a reader
  // fits any thread's stack and a worker allocates it once.
  ReadBuffer block;
};

// ---- Word search ----

// Receives one ResultRow: the file name, a line feed, and the hit line numbers joined by commas.
using RowSink = std::function<void(std::string_view row)>;
// Told, after each file a search looked at, the name it is listed under and its outcome.
using OutcomeSink = std::function<void(std::string_view name, FileOutcome outcome)>;

// The candidate list starts with this many slots and grows when a folder holds more.
inline constexpr int32_t CandidateSlots = 2001;

// Search state, kept for the whole run of the program.
extern std::vector<std::string> CandidateList;  // bare file names, filled from slot 0
extern int32_t CandidateCount;                  // how many slots count
extern std::string ChosenFolder;                // empty, or ending in FolderSeparator
extern std::string ChosenFile;                  // empty, or a full path

// Empties the search state, as at program start.
void ResetSearchState();

// Scans one file; when the word is in it, hands one row for name to sink.
FileOutcome ScanFile(const std::string& path, std::string_view word, std::string_view name,
                     const RowSink& sink);
// Scans the file name of folder, opened relative to it where the platform allows, with reader,
// whose block is kept for the next file.
FileOutcome ScanCandidate(LineReader& reader, const HeldFolder& folder, const std::string& name,
                          std::string_view word, const RowSink& sink);
// How many threads a folder search of candidates files reads with; 1 reads on the calling thread.
int32_t FolderThreads(size_t candidates);
// Scans the CandidateCount candidates of ChosenFolder, several at a time, and hands their rows
// and outcomes on in listing order, all on the calling thread.
void SearchFolder(std::string_view word, const RowSink& sink, const OutcomeSink& told = {});
// Scans ChosenFile.
void SearchFile(std::string_view word, const RowSink& sink, const OutcomeSink& told = {});

// ---- Folder scan ----

// One level of one folder, in the order the platform delivers its entries.
class DirectoryListing {
 public:
  // Special: a FIFO, socket or device, which a search never opens.
  enum Kind : int32_t { NoListing = 0, File = 1, Directory = 2, Special = 3 };

  DirectoryListing() = default;
  DirectoryListing(const DirectoryListing&) = delete;
  DirectoryListing& operator=(const DirectoryListing&) = delete;
  ~DirectoryListing() { CloseListing(); }

  // Lists every entry of folder; false when it cannot be listed.
  bool OpenListing(const std::string& folder);
  bool NextEntry();
  int32_t EntryKind() const;
  std::string EntryName() const;
  // True when the entries ended on an error rather than at the folder's end.
  bool Broken() const;
  void CloseListing();

 private:
  struct Platform;
  Platform* platform = nullptr;
};

// The file extensions a folder search looks at, in the order they are tested.
inline constexpr std::string_view CandidateExtensions[] = {"txt", "htm", "html", "xml", "bat",
                                                           "pb",  "pbi", "php",  "perl"};

// What became of a folder's listing.
enum class ListingOutcome : int32_t {
  Listed,     // every entry was looked at
  Unlisted,   // the folder cannot be listed (or is no folder); nothing was collected
  Truncated,  // an error ended the entries early; the names before it were kept
};

// Lists folder and keeps every qualifying file name in CandidateList; calls showFolder(folder)
// once per file entry.
ListingOutcome CollectCandidates(const std::string& folder,
                                 const std::function<void(const std::string&)>& showFolder);

}  // namespace sucholin
