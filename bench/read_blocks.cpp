// Reads the named files in the line reader's blocks through the file layer, and nothing else.
#include <cstdio>
#include <cstdint>

#include "search/file_layer.h"
#include "search/search.h"

int main(int argc, char** argv) {
  namespace layer = sucholin::file_layer;
  const sucholin::ReadBuffer block = sucholin::NewReadBuffer(sucholin::LineReader::BlockSize);
  uint64_t total = 0;
  for (int i = 1; i < argc; ++i) {
    intptr_t handle;
    int64_t size;
    if (layer::OpenRead(layer::NoHandle, {}, argv[i], handle, size) != layer::OpenResult::Opened) {
      std::fprintf(stderr, "read_blocks: %s cannot be opened\n", argv[i]);
      return 2;
    }
    int32_t got;
    while ((got = layer::ReadBlock(handle, block.get(), sucholin::LineReader::BlockSize)) > 0)
      total += got;
    layer::Close(handle);
    if (got < 0) {
      std::fprintf(stderr, "read_blocks: %s cannot be read\n", argv[i]);
      return 2;
    }
  }
  std::printf("%llu\n", static_cast<unsigned long long>(total));
  return 0;
}
