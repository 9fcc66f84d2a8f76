#include "standin/report.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "gamedata/mapfile.h"

namespace zk::standin {

namespace fs = std::filesystem;

namespace {

constexpr int kPlayerStartTile = 1405;
constexpr int kBotTile = 3586;
constexpr int kScriptLinesShown = 8;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t") == std::string::npos) return argument;
  return '"' + argument + '"';
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n\v\f");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n\v\f") - first + 1);
}

// The game script is 8-bit text; shown as Latin-1 so that no byte breaks the UTF-8 report.
std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

// The file a switch names: the argument after "-map", or the rest of "/x...", "/h...", "/g..."
// (or "-x...", as a native engine takes them).
std::string Named(const std::vector<std::string>& arguments, const std::string& sw) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (sw[0] == '-') {
      if (a == sw && i + 1 < arguments.size()) return arguments[i + 1];
    } else if (a.size() > 1 && (a[0] == '/' || a[0] == '-') &&
               StartsWith(a.substr(1), sw.substr(1))) {
      return a.substr(sw.size());
    }
  }
  return {};
}

bool IsFile(const std::string& name) {
  std::error_code error;
  return fs::is_regular_file(fs::u8path(name), error);
}

std::string DescribeMap(const std::string& name) {
  if (name.empty()) return "Map: none given";
  if (!IsFile(name)) return "Map " + name + ": missing";
  TMap map;
  const int result = map.LoadFromFile(name, 0);
  if (result != 0)
    return "Map " + name + ": cannot be read (result " + std::to_string(result) + ")";
  int starts = 0, bots = 0;
  for (int i = 0; i < map.SpriteCount; ++i) {
    if (map.Sprites[i].picnum == kPlayerStartTile) ++starts;
    if (map.Sprites[i].picnum == kBotTile) ++bots;
  }
  return "Map " + name + ": " + std::to_string(map.SpriteCount) + " sprites, " +
         std::to_string(starts) + " player starts (tile " + std::to_string(kPlayerStartTile) +
         "), " + std::to_string(bots) + " bot sprites (tile " + std::to_string(kBotTile) + ")";
}

std::vector<std::string> DescribeScript(const std::string& name) {
  if (name.empty()) return {"Game script: none given"};
  std::ifstream in(fs::u8path(name), std::ios::binary);
  if (!in || !IsFile(name)) return {"Game script " + name + ": missing"};
  std::vector<std::string> lines = {"Game script " + name + ", first lines:"};
  std::string line;
  for (int i = 0; i < kScriptLinesShown && std::getline(in, line); ++i)
    lines.push_back("    " + Latin1ToUtf8(Trimmed(line)));
  return lines;
}

std::string DescribeFile(const std::string& what, const std::string& name) {
  if (name.empty()) return what + ": none given";
  if (!IsFile(name)) return what + " " + name + ": missing";
  std::error_code error;
  const auto size = fs::file_size(fs::u8path(name), error);
  return what + " " + name + ": " + std::to_string(error ? 0 : size) + " bytes";
}

}  // namespace

std::vector<std::string> DescribeRun(const std::vector<std::string>& arguments) {
  std::string shown;
  for (const std::string& a : arguments) shown += (shown.empty() ? "" : " ") + Quoted(a);
  std::error_code error;
  std::vector<std::string> lines = {"Command line: " + shown,
                                    "Working directory: " + fs::current_path(error).u8string(), "",
                                    DescribeMap(Named(arguments, "-map"))};
  for (std::string& line : DescribeScript(Named(arguments, "/x"))) lines.push_back(std::move(line));
  lines.push_back(DescribeFile("Model definitions", Named(arguments, "/h")));
  lines.push_back(DescribeFile("Add-on archive", Named(arguments, "/g")));
  return lines;
}

}  // namespace zk::standin
