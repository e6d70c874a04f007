// The platform's file reading, as the line reader needs it. One implementation per platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sucholin::file_layer {

inline constexpr intptr_t NoHandle = -1;

enum class OpenResult { Opened, NotRegular, Failed };

// Holds a folder open so that its files are opened relative to it; NoHandle where the platform
// opens by full path only, or when the folder cannot be opened.
intptr_t OpenFolder(const std::string& folder);
void CloseFolder(intptr_t folder);

// Opens folderText + name for reading, relative to folder when it is not NoHandle, sharing it
// with other readers only. Only a regular file is opened; a special file is never opened when its
// type can be told first. A folder handle marks a name from that folder's listing, whose type the
// listing has already checked. bytes is the file's size when it was opened.
OpenResult OpenRead(intptr_t folder, const std::string& folderText, const std::string& name,
                    intptr_t& handle, int64_t& bytes);
// Reads up to size bytes; 0 at the end of the file, -1 when the read failed.
int32_t ReadBlock(intptr_t handle, char* into, int32_t size);
// The same from offset on, leaving the place of ReadBlock alone where the platform can; safe to
// call from several threads at once.
int32_t ReadBlockAt(intptr_t handle, char* into, int32_t size, int64_t offset);
void Close(intptr_t handle);

// The last part of a path, and the extension of a file name (empty without one), by the rules of
// the platform's file system.
std::string NamePart(std::string_view path);
std::string NameExtension(std::string_view name);

}  // namespace sucholin::file_layer
