#pragma once
// Text line files: 8-bit lines, split at CR LF, LF or CR when read, CR LF after each when written.

#include <string>
#include <string_view>
#include <vector>

namespace zk {

using TLines = std::vector<std::string>;

// Splits a text into lines at CR LF, a lone LF and a lone CR; a NUL ends the text. A final line
// end does not open another line; a text without a final line end still gives its last line.
TLines SplitLines(std::string_view text);

// The lines joined, each followed by CR LF.
std::string JoinLines(const TLines& lines);

// Reads a whole file as lines. Throws EFOpenError when it cannot be opened or read.
TLines LoadLines(const std::string& path);

// Writes the lines, each followed by CR LF, replacing any file of that name. The new text is
// written beside the target and renamed over it when complete, so a failure never truncates the
// old file; where no file can be made beside it but the target itself is writable, the target
// is written in place. Throws EFCreateError when the file cannot be created or written.
void SaveLines(const std::string& path, const TLines& lines);

}  // namespace zk
