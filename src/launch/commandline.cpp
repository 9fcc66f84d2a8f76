#include "launch/commandline.h"

#include <cstdint>

#include "launch/gamefiles.h"
#include "platform/files.h"
#include "ui/mainform.h"

namespace zk {

namespace {

std::string SkillSwitch(const TLaunchOptions& options) {
  return "/s" + std::to_string(options.Skill <= 0 ? 1 : options.Skill);
}

// The spin edit has no bounds, so n + 1 is counted in 64 bits to stay defined at the top.
std::vector<std::string> PlayersSwitches(const TLaunchOptions& options) {
  const std::int64_t n = options.PlayerBots;
  if (n <= 0) return {"/q2"};
  return {"/q" + std::to_string(n + 1), "/a"};
}

std::vector<std::string> RespawnSwitches(const TLaunchOptions& options) {
  const int index = 2 * int(options.RespawnItems) + int(options.RespawnMonsters);
  if (index == 0) return {};
  return {std::string("/t") + " 12x"[index]};
}

constexpr const char* kBlanks = " \t\r\n\v\f";

// The text without white space at either end.
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& pieces) {
  to.insert(to.end(), pieces.begin(), pieces.end());
}

}  // namespace

TLaunchOptions ReadLaunchOptions(const TForm1& form) {
  TLaunchOptions options;
  options.Skill = form.ComboBox2->ItemIndex();
  options.RecordDemo = form.CheckBox11->Checked();
  options.PlayerBots = form.CSpinEdit2->Value();
  options.RespawnMonsters = form.CheckBox7->Checked();
  options.RespawnItems = form.CheckBox8->Checked();
  return options;
}

std::string ChooseExecutable(const std::string& gameDir) {
  for (const std::string& name : GameExecutableNames()) {
    const std::string path = gameDir + name;
    if (FileExists(path)) return path;
  }
  return {};
}

std::vector<std::string> ComposeSwitches(const TLaunchOptions& options,
                                         const std::string& definitions) {
  std::vector<std::string> switches = {"-map", kWorkingMapFile};
  const std::string defs = Trimmed(definitions);
  if (!defs.empty()) switches.push_back(defs);
  switches.push_back(SkillSwitch(options));
  if (options.RecordDemo) switches.push_back("/r");
  switches.push_back(std::string("/x") + kGameScriptFile);
  Append(switches, PlayersSwitches(options));
  Append(switches, RespawnSwitches(options));
  switches.push_back(std::string("/g") + kAddonArchiveFile);
  return switches;
}

std::string ComposeCommandLine(const std::string& executable,
                               const std::vector<std::string>& switches) {
  std::string line = "\"" + executable + "\"";
  for (const std::string& s : switches) line += " " + s;
  return line;
}

TGameCommand ComposeGameCommand(const TLaunchOptions& options, const std::string& executable,
                                const std::string& definitions) {
  const std::vector<std::string> switches = ComposeSwitches(options, definitions);
  return {executable, ComposeCommandLine(executable, switches), switches};
}

}  // namespace zk
