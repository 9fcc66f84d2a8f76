// The add-on's demo files: a script template that shows what the launcher fills in, a small
// add-on archive, and the high-resolution model files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
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

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  if (!ok) std::fprintf(stderr, "zk-demo: cannot write %s\n", qPrintable(path));
  return ok;
}

void AppendUint32(QByteArray& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

// An archive of the usual shape (12-byte signature, entry count, 16-byte records of name and
// size, then the data) under a signature of our own.
QByteArray GroupArchive(const std::vector<std::pair<QByteArray, QByteArray>>& entries) {
  QByteArray out("ZebKinAddOn!", 12);
  AppendUint32(out, static_cast<uint32_t>(entries.size()));
  for (const auto& [name, data] : entries) {
    QByteArray field = name.left(12);
    field.append(QByteArray(12 - field.size(), '\0'));
    out.append(field);
    AppendUint32(out, static_cast<uint32_t>(data.size()));
  }
  for (const auto& entry : entries) out.append(entry.second);
  return out;
}

}  // namespace

void WriteDemoAddonFiles(const QString& programDir) {
  QByteArray ctp(kDemoTemplate);
  ctp.replace("\n", "\r\n");
  WriteFile(programDir + "zeb-kin.ctp", ctp);
  WriteFile(programDir + "Zeb-Kin.grp",
            GroupArchive({{"ZEBKIN.TXT", "Zeb-Kin demo add-on archive.\r\n"},
                          {"BOTNAMES.TXT", "Zeb\r\nKin\r\nZebby\r\n"}}));
}

void WriteDemoHighresModel(const QString& gameDir) {
  const QString folder = gameDir + "highres/sprites/characters/duke/";
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "zk-demo: cannot create %s\n", qPrintable(folder));
    return;
  }
  WriteFile(folder + "1405_duke.md3", {});
  WriteFile(folder + "1405_duke.jpg", {});
}

}  // namespace zk::demo
