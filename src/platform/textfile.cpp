#include "platform/textfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/errors.h"
#include "platform/replacingfile.h"

namespace zk {

TLines SplitLines(std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  TLines lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const TLines& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

TLines LoadLines(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  if (!file) throw EFOpenError(path);
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    // The stream library reports a failed read with an exception of its own wording.
    throw EFOpenError(path);
  }
  if (file.bad()) throw EFOpenError(path);
  return SplitLines(bytes);
}

void SaveLines(const std::string& path, const TLines& lines) {
  // The user may keep the settings in a folder that takes no new file: a file that can itself
  // be written is then written in place.
  TReplacingFile file(path, TReplacingFile::InPlaceFallback);
  if (!file.IsOpen()) throw EFCreateError(path);
  const std::string text = JoinLines(lines);
  if (!file.Write(text.data(), text.size()) || !file.Commit()) throw EFCreateError(path);
}

}  // namespace zk
