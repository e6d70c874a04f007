// The text rules of the shell services: command line, working folder, chooser texts.
#include "shell/win32/shell_rules.h"

#include <cstddef>

namespace sucholin::win32 {
namespace {

constexpr size_t PathRoom = 260;  // MAX_PATH, the terminating zero byte included

// The position of the last backslash, when it stands after the first character.
size_t LastInnerBackslash(std::string_view text) {
  const size_t at = text.rfind('\\');
  return at != std::string_view::npos && at > 0 ? at : std::string_view::npos;
}

// The text after the last dot of the name after the last separator; "" without a dot.
std::string_view ExtensionOf(std::string_view target) {
  const size_t nameAt = target.find_last_of("\\/");
  const std::string_view name =
      nameAt == std::string_view::npos ? target : target.substr(nameAt + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// "https://...": a scheme of at least two letters ("C:" is a drive), then "://".
bool IsWebAddress(std::string_view target) {
  const size_t at = target.find("://");
  if (at == std::string_view::npos || at < 2) return false;
  for (const char c : target.substr(0, at)) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

}  // namespace

bool RunsAsProgram(std::string_view target) {
  const std::string_view extension = ExtensionOf(target);
  for (const char* program : {"exe", "com", "bat", "cmd"}) {
    if (EqualsIgnoringCase(extension, program)) return true;
  }
  return false;
}

std::string TypeClassFor(std::string_view target) {
  const std::string_view extension = ExtensionOf(target);
  if (extension.empty() || IsWebAddress(target)) return {};
  std::string typeClass(1, '.');
  typeClass += extension;
  return typeClass;
}

std::string CommandLineFor(std::string_view target) {
  if (!target.empty() && target.front() == '"') return std::string(target);
  std::string line;
  line.reserve(target.size() + 4);
  line += '"';
  line += target;
  line += '"';
  return line;
}

std::string WorkingFolderFor(std::string_view target) {
  const size_t at = LastInnerBackslash(target);
  return at == std::string_view::npos ? std::string() : std::string(target.substr(0, at + 1));
}

std::string BrowseStartFolder(std::string_view initialFolder) {
  std::string folder(initialFolder.substr(0, PathRoom - 1));
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string WithTrailingBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::string FilterList(std::string_view filter) {
  std::string list(filter);
  for (char& c : list) {
    if (c == '|') c = '\0';
  }
  list.append(2, '\0');
  return list;
}

DefaultFileParts SplitDefaultFile(std::string_view defaultFile) {
  DefaultFileParts parts;
  const size_t at = LastInnerBackslash(defaultFile);
  if (at != std::string_view::npos) {
    parts.initialFolder = defaultFile.substr(0, at);
    parts.fileName = defaultFile.substr(at + 1);
  } else {
    parts.fileName = defaultFile;
  }
  if (parts.fileName.size() > PathRoom - 1) parts.fileName.resize(PathRoom - 1);
  if (!IsValidFileName(parts.fileName)) parts.fileName.clear();
  return parts;
}

bool IsValidFileName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    if (std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace sucholin::win32
