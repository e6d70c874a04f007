// Reads one file block by block.
#include <algorithm>
#include <new>

#include "search/file_layer.h"
#include "search/search.h"

namespace sucholin {

namespace {

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

void FreeReadBuffer::operator()(char* bytes) const { ::operator delete[](bytes, BlockAlignment); }

ReadBuffer NewReadBuffer(size_t bytes) {
  return ReadBuffer(static_cast<char*>(::operator new[](bytes, BlockAlignment)));
}

bool LineReader::OpenForReading(const std::string& path) {
  return Open(file_layer::NoHandle, {}, path);
}

bool LineReader::OpenForReading(const HeldFolder& folder, const std::string& name) {
  return Open(folder.Handle(), folder.Text(), name);
}

bool LineReader::Open(intptr_t folder, const std::string& folderText, const std::string& name) {
  CloseReader();
  if (!block) block = NewReadBuffer(BlockSize);
  outcome = OutcomeOfOpen(file_layer::OpenRead(folder, folderText, name, handle, size));
  return IsOpen();
}

void LineReader::CloseReader() {
  if (!IsOpen()) return;
  file_layer::Close(handle);
  handle = NoHandle;
  unread = 0;
}

int32_t LineReader::ReadAt(int64_t offset, char* into, int32_t count) const {
  return file_layer::ReadBlockAt(handle, into, count, offset);
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

}  // namespace sucholin
