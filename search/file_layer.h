// The platform's file reading, as the line reader needs it. One implementation per platform.
#pragma once

#include <cstdint>
#include <string>

namespace sucholin::file_layer {

inline constexpr intptr_t NoHandle = -1;

// Opens a regular file for reading, sharing it with other readers only; NoHandle if it
// cannot be opened (missing, a folder, locked, or not a regular file).
intptr_t OpenRead(const std::string& path);
// Reads up to size bytes; 0 at the end of the file and on any failure.
int32_t ReadBlock(intptr_t handle, char* into, int32_t size);
void Close(intptr_t handle);

}  // namespace sucholin::file_layer
