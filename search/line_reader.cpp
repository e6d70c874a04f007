// Reads one file in 4096-byte blocks and hands it out line by line, or block by block.
#include "search/file_layer.h"
#include "search/search.h"

namespace sucholin {

static_assert(LineReader::BlockSize == 4096);

bool LineReader::OpenForReading(const std::string& path) {
  CloseReader();
  handle = file_layer::OpenRead(path);
  filled = 0;
  unread = 0;
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
  // A failed read delivers 0 bytes and so ends the file, as its real end does.
  filled = file_layer::ReadBlock(handle, block, BlockSize);
  unread = filled;
  return filled > 0;
}

bool LineReader::TakeByte(char& byte) {
  if (!NextBlock()) return false;
  byte = block[filled - unread];
  --unread;
  return true;
}

std::string LineReader::ReadLine() {
  std::string line;
  line.reserve(BlockSize);
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
