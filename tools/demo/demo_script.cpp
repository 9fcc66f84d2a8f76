// The add-on's demo files: a script template that shows what the launcher fills in, a small
// add-on archive, and the high-resolution model files.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "demo/demo_parts.h"

namespace zk::demo {

namespace {

// Not a real game script: every placeholder stands beside a label, so a reader of zebkin.con
// sees each value the launcher put in. Some appear twice, in the summary at the end.
const char kDemoTemplate[] = R"(// Zeb-Kin demo script, made by Zeb-Kin Setup from zeb-kin.ctp.
// Not a real game script: each line shows values that the launcher filled in.
// A line that begins with "//" is switched off by an option.

// == bots ==
define BOT_HEALTH %ZEBKINSTRENGTH%
%USEMEDKIT%state bot_skips_medikit
%CANBOTDODGE%state bot_dodges
%CANBOTFLY%state bot_uses_jetpack
define STEROID_USAGE %STEROIDUSAGE%
%KILLPLAYERCODE%state expander_kill
%REINCARNATEON%state bot_stays_dead
if %BOTRESPAWN% { state bot_respawn }
define BOT_RESPAWN_TICKS %ZEBRESPAWNTIME%

// == game ==
if %ITEMRESPAWN% { state item_respawn }
if %MONSTERRESPAWN% { state monster_respawn }
%GETALLAMMO%state give_all_weapons
%GETALLITEMS%state give_all_items
%MULTIPLAYON%state multiplayer

// == movement: navigating / dodging ==
define SWIM_SPEED %BOTSWIMSPEED% %DODGESWIMSPEED%
define FLY_SPEED %BOTFLYSPEED% %DODGEFLYSPEED%
define WALK_SPEED %BOTWALKSPEED% %DODGEWALKSPEED%

// == weapon preference: least wanted first, then the weights ==
define WEAPON_ORDER %WEAP1% %WEAP2% %WEAP3% %WEAP4% %WEAP5%
define WEAPON_WEIGHTS %PREF1% %PREF2% %PREF3% %PREF4%

// == weapons: shooting, release chance (script value, percent), shooting rate ==
state kick { %SHOOTPOWERKICK% }
state pistol { %SHOOTPOWERPISTOL% } release %PISTOLRNDCHANGE% (%PISTOLCHANGE%%) rate %SHOOTRATEPISTOL%
state shotgun { %SHOOTPOWERSHOTGUN% } release %SHOTGUNRNDCHANGE% (%SHOTGUNCHANGE%%) rate %SHOOTRATESHOTGUN%
state chaingun { %SHOOTPOWERCHAINGUN% } release %CHAINGUNRNDCHANGE% (%CHAINGUNCHANGE%%) rate %SHOOTRATECHAINGUN%
state shrinkfreeze { %SHOOTPOWERSHRINKFREEZ% %SHOOTSOUNDSHRINKFREEZ% } release %SHRINKFREEZRNDCHANGE% (%SHRINKFREEZCHANGE%%) rate %SHOOTRATESHRINKFREEZ%
state rpg { %SHOOTPOWERRPG% } release %RPGRNDCHANGE% (%RPGCHANGE%%) rate %SHOOTRATERPG%
%SHOOTPIPES%state bot_skips_pipebombs

// == summary ==
// health %ZEBKINSTRENGTH%, respawn after %ZEBRESPAWNTIME% ticks, first choice %WEAP5%
// release chances %PISTOLCHANGE% %SHOTGUNCHANGE% %CHAINGUNCHANGE% %SHRINKFREEZCHANGE% %RPGCHANGE%
// %SHOOTSOUNDSHRINKFREEZ%
)";

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "zk-demo: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

void AppendUint32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// An archive of the usual shape (12-byte signature, entry count, 16-byte records of name and
// size, then the data) under a signature of our own.
std::string GroupArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string out("ZebKinAddOn!", 12);
  AppendUint32(out, static_cast<std::uint32_t>(entries.size()));
  for (const auto& [name, data] : entries) {
    std::string field = name.substr(0, 12);
    field.resize(12, '\0');
    out += field;
    AppendUint32(out, static_cast<std::uint32_t>(data.size()));
  }
  for (const auto& entry : entries) out += entry.second;
  return out;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

void WriteDemoAddonFiles(const std::string& programDir) {
  WriteFile(programDir + "zeb-kin.ctp", WithCrLf(kDemoTemplate));
  WriteFile(programDir + "Zeb-Kin.grp",
            GroupArchive({{"ZEBKIN.TXT", "Zeb-Kin demo add-on archive.\r\n"},
                          {"BOTNAMES.TXT", "Zeb\r\nKin\r\nZebby\r\n"}}));
}

void WriteDemoHighresModel(const std::string& gameDir) {
  const std::string folder = gameDir + "highres/sprites/characters/duke/";
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::u8path(folder), error);
  if (error) {
    std::fprintf(stderr, "zk-demo: cannot create %s\n", folder.c_str());
    return;
  }
  WriteFile(folder + "1405_duke.md3", {});
  WriteFile(folder + "1405_duke.jpg", {});
}

}  // namespace zk::demo
