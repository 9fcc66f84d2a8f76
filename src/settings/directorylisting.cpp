// The directory listing that fills the list of saved settings at start-up.

#include <algorithm>
#include <exception>

#include "platform/files.h"
#include "platform/sysutils.h"
#include "settings/settingsfiles.h"

namespace zk {

namespace {

// The name without the text from its last "." on; a name without a "." stays whole.
std::string StripExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

void RemoveOne(std::vector<std::string>& names, const std::string& name) {
  const auto it = std::find(names.begin(), names.end(), name);
  if (it != names.end()) names.erase(it);
}

}  // namespace

std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask,
                                       bool stripExtension, bool sort) {
  std::vector<std::string> names;
  if (!dir.empty() && !mask.empty()) {
    try {
      const std::string folder = dir.back() == PathDelim ? dir : dir + PathDelim;
      // Case-sensitive, so that a listed name is one whose file the load opens by name + mask's
      // extension; regular files only, so a pick can never block on a pipe or a device.
      for (const std::string& entry : FindFiles(folder, mask, true)) {
        if (!IsRegularFile(folder + entry)) continue;
        names.push_back(stripExtension && !entry.empty() ? StripExtension(entry) : entry);
      }
    } catch (const std::exception&) {
      // A failing search keeps what it found so far.
    }
  }
  RemoveOne(names, ".");
  RemoveOne(names, "..");
  if (sort)
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return AnsiCompareText(a, b) < 0;
    });
  return names;
}

}  // namespace zk
