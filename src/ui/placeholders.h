#pragma once

#include <string>
#include <vector>

namespace zk {

// The game script template's 52 placeholder names, in their fixed order: placeholder k is
// replaced by value k of the script values. The window holds them as the lines of Memo6.
inline std::vector<std::string> ScriptPlaceholders() {
  return {"%ZEBKINSTRENGTH%",
          "%USEMEDKIT%",
          "%CANBOTDODGE%",
          "%CANBOTFLY%",
          "%STEROIDUSAGE%",
          "%KILLPLAYERCODE%",
          "%REINCARNATEON%",
          "%BOTRESPAWN%",
          "%ZEBRESPAWNTIME%",
          "%ITEMRESPAWN%",
          "%MONSTERRESPAWN%",
          "%GETALLAMMO%",
          "%GETALLITEMS%",
          "%MULTIPLAYON%",
          "%BOTSWIMSPEED%",
          "%DODGESWIMSPEED%",
          "%BOTFLYSPEED%",
          "%DODGEFLYSPEED%",
          "%BOTWALKSPEED%",
          "%DODGEWALKSPEED%",
          "%WEAP1%",
          "%WEAP2%",
          "%WEAP3%",
          "%WEAP4%",
          "%WEAP5%",
          "%PREF1%",
          "%PREF2%",
          "%PREF3%",
          "%PREF4%",
          "%SHOOTPOWERKICK%",
          "%SHOOTPOWERPISTOL%",
          "%PISTOLRNDCHANGE%",
          "%PISTOLCHANGE%",
          "%SHOOTRATEPISTOL%",
          "%SHOOTPOWERSHOTGUN%",
          "%SHOTGUNRNDCHANGE%",
          "%SHOTGUNCHANGE%",
          "%SHOOTRATESHOTGUN%",
          "%SHOOTPOWERCHAINGUN%",
          "%CHAINGUNRNDCHANGE%",
          "%CHAINGUNCHANGE%",
          "%SHOOTRATECHAINGUN%",
          "%SHOOTPOWERSHRINKFREEZ%",
          "%SHRINKFREEZRNDCHANGE%",
          "%SHOOTSOUNDSHRINKFREEZ%",
          "%SHRINKFREEZCHANGE%",
          "%SHOOTRATESHRINKFREEZ%",
          "%SHOOTPOWERRPG%",
          "%RPGRNDCHANGE%",
          "%RPGCHANGE%",
          "%SHOOTRATERPG%",
          "%SHOOTPIPES%"};
}

}  // namespace zk
