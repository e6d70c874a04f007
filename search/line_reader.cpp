// Reads one file in blocks and hands it out line by line, or block by block.
#include <algorithm>
#include <new>

#include "search/file_layer.h"
#include "search/search.h"

namespace sucholin {

namespace {

// A line's storage starts this large and doubles, whatever the block size.
constexpr size_t LineStart = 4096;
constexpr std::align_val_t BlockAlignment{64};

FileOutcome OutcomeOfOpen(file_layer::OpenResult result) {
  switch (result) {
    case file_layer::OpenResult::Opened: return FileOutcome::ReadToEnd;
    case file_layer::OpenResult::NotRegular: return FileOutcome::NotRegular;
    case file_layer::OpenResult::Failed: break;
  }
  return FileOutcome::OpenFailed;
}

}  // namespace

HeldFolder::HeldFolder(const std::string& folder)
    : text(folder), handle(file_layer::OpenFolder(folder)) {}

HeldFolder::~HeldFolder() { file_layer::CloseFolder(handle); }

void LineReader::FreeBlock::operator()(char* bytes) const {
  ::operator delete[](bytes, BlockAlignment);
}

bool LineReader::OpenForReading(const std::string& path) {
  return Open(file_layer::NoHandle, {}, path);
}

bool LineReader::OpenForReading(const HeldFolder& folder, const std::string& name) {
  return Open(folder.Handle(), folder.Text(), name);
}

bool LineReader::Open(intptr_t folder, const std::string& folderText, const std::string& name) {
  CloseReader();
  if (!block) block.reset(static_cast<char*>(::operator new[](BlockSize, BlockAlignment)));
  outcome = OutcomeOfOpen(file_layer::OpenRead(folder, folderText, name, handle));
  return IsOpen();
}

void LineReader::CloseReader() {
  if (!IsOpen()) return;
  file_layer::Close(handle);
  handle = NoHandle;
  filled = 0;
  unread = 0;
}

bool LineReader::NextBlock() {
  if (unread > 0) return true;
  if (!IsOpen()) return false;
  const int32_t got = file_layer::ReadBlock(handle, block.get(), BlockSize);
  // A failed read ends the file's lines as its real end does, but is remembered.
  if (got < 0) outcome = FileOutcome::ReadFailed;
  filled = std::max(got, int32_t{0});
  unread = filled;
  return filled > 0;
}

bool LineReader::TakeByte(char& byte) {
  if (!NextBlock()) return false;
  byte = block[static_cast<size_t>(filled - unread)];
  --unread;
  return true;
}

std::string LineReader::ReadLine() {
  std::string line;
  line.reserve(LineStart);
  char byte;
  while (TakeByte(byte)) {
    if (byte == '\0' || byte == '\n') break;
    if (byte == '\r') {
      // CR LF is one line end; any other byte after a CR starts the next line.
      if (TakeByte(byte) && byte != '\n') GiveBackByte();
      break;
    }
    // Doubling keeps a very long line linear in its length.
    if (line.size() == line.capacity()) line.reserve(2 * line.capacity());
    line += byte;
  }
  return line;
}

bool LineReader::AtEnd() {
  char byte;
  if (!TakeByte(byte)) return true;
  GiveBackByte();
  return false;
}

}  // namespace sucholin
