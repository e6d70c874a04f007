// The search core: text utilities, line reader, word search and folder scan. Knows no windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sucholin {

// Texts are byte strings: UTF-8 (WTF-8 for Windows names, see name_text.h) for what the program
// shows and names, the file system's own bytes for POSIX names; nothing here case-folds them.

// ---- Text utilities. Positions count from 1; absent texts are empty texts. ----
int32_t FindText(std::string_view in, std::string_view word, int32_t start);
std::string NumberText(int32_t value);
std::string NumberText(int64_t value);  // line numbers are 64-bit
int32_t TextLength(std::string_view text);
std::string RightPart(std::string_view text, int32_t count);
std::string ExtensionPart(std::string_view path);
std::string FileNamePart(std::string_view path);
std::string FolderPart(std::string_view path);
bool TextEquals(std::string_view a, std::string_view b);

// The separator the platform's folder texts end in: '\\' on Windows, '/' elsewhere.
extern const char FolderSeparator;

// ---- Line reader: one file, read block by block, handed out line by line. ----

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

class LineReader {
 public:
  // Bytes per read, the platform's choice: 4096 on Windows, larger where reads cost more than
  // the bytes they bring. The lines are the same at any size.
  static constexpr int32_t BlockSize = SUCHOLIN_READ_BLOCK;

  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader() { CloseReader(); }

  // Opens a regular file for reading (closing an open one first); false if it cannot be opened.
  bool OpenForReading(const std::string& path);
  // Opens the file name of an open folder, relative to it where the platform allows.
  bool OpenForReading(const HeldFolder& folder, const std::string& name);
  // The next line without its line end (CR, LF, CR LF or NUL).
  std::string ReadLine();
  // True when no byte of the file is left; consumes nothing.
  bool AtEnd();
  void CloseReader();
  bool IsOpen() const { return handle != NoHandle; }
  // Why the last open gave false, or whether a read failed since (which ends the file there).
  FileOutcome Outcome() const { return outcome; }

  // Block-level access for the fast scan, on the same block and position as ReadLine.
  // The untaken bytes of the current block; empty when it is used up.
  std::string_view Unread() const {
    return {block + (filled - unread), static_cast<size_t>(unread)};
  }
  // Marks the first count bytes of Unread() as taken.
  void Take(int32_t count) { unread -= count; }
  // Reads the next block once the current one is used up; false at the end of the file.
  bool NextBlock();

 private:
  static constexpr intptr_t NoHandle = -1;
  bool TakeByte(char& byte);
  void GiveBackByte() { ++unread; }

  intptr_t handle = NoHandle;
  FileOutcome outcome = FileOutcome::ReadToEnd;
  int32_t filled = 0;
  int32_t unread = 0;
  alignas(64) char block[BlockSize];  // cache-line aligned: the scan reads it in vector loads
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
// Scans the file name of folder, opened relative to it where the platform allows.
FileOutcome ScanCandidate(const HeldFolder& folder, const std::string& name, std::string_view word,
                          const RowSink& sink);
// Scans the CandidateCount candidates of ChosenFolder in listing order.
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

  // False when the folder cannot be listed; an empty pattern means "*.*".
  bool OpenListing(const std::string& folder, const std::string& pattern);
  bool NextEntry();
  int32_t EntryKind() const;
  std::string EntryName() const;
  void CloseListing();

 private:
  struct Platform;
  Platform* platform = nullptr;
};

// The file extensions a folder search looks at, in the order they are tested.
inline constexpr std::string_view CandidateExtensions[] = {"txt", "htm", "html", "xml", "bat",
                                                           "pb",  "pbi", "php",  "perl"};

// Lists folder and keeps every qualifying file name in CandidateList; calls showFolder(folder)
// once per file entry.
void CollectCandidates(const std::string& folder,
                       const std::function<void(const std::string&)>& showFolder);

}  // namespace sucholin
