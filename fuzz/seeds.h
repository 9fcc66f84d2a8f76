#pragma once
// The seed inputs of the fuzzing targets, made by the fixture writers of the tests.

#include <string>
#include <utility>
#include <vector>

#include "support/gamedata_builders.h"

namespace zk::fuzz {

using TSeeds = std::vector<std::pair<std::string, std::string>>;  // name, bytes

inline std::string SeedMap() {
  using namespace zk::test;
  return MapBuilder()
      .Start(128, 128, 0, 512, 0)
      .Room(0, 0, 1024, 1024)
      .AddSprite(PlayerStart(100, 100))
      .AddSprite(PlayerStart(200, 100, 0, 1))
      .AddSprite(PlayerStart(300, 100, 1024))
      .AddSprite(Monster(1680, 400, 400))
      .AddSprite(Spawner(2000, 500, 500))
      .AddSprite(Tile(40, 600, 600))
      .Bytes();
}

inline TSeeds GroupFileSeeds() {
  using namespace zk::test;
  return {
      {"empty", GrpBuilder().Bytes()},
      {"levels", GrpBuilder().Add("E1L1.MAP", SeedMap()).Add("e1l2.map", "x").Bytes()},
      {"twelve", GrpBuilder().Add("ABCDEFGHIJKL", "12").Add("abcdefghijkl", "dup").Bytes()},
      {"sizes", GrpBuilder().Add("zero", "").Add("block", std::string(65537, 'b')).Bytes()},
      {"past-end", GrpBuilder().AddSized("E1L1.MAP", 100, "short").Bytes()},
      {"last-past-end", GrpBuilder().Add("E1L1.MAP", "intact").AddSized("x", 9, "cut").Bytes()},
      {"negative", GrpBuilder().Add("a", "12").AddSized("b", -20, "").Add("a", "34").Bytes()},
  };
}

inline TSeeds MapSeeds() {
  using namespace zk::test;
  return {
      {"room", SeedMap()},
      {"no-sprites", MapBuilder().Room(0, 0, 64, 64).Bytes()},
      {"version-6", MapBuilder().Version(6).Bytes()},
      {"trailing", MapBuilder().AddSprite(PlayerStart(1, 1)).Trailing("tail").Bytes()},
      {"count-65535", MapBuilder().AddSprite(Tile(1)).SpriteCountField(0xFFFF).Bytes()},
  };
}

// Settings files: the designed defaults, hand edits, short and long files, other line ends.
inline TSeeds SettingsSeeds() {
  const std::vector<std::string> defaults = {
      "10",  "200", "1",   "1",   "1",   "1",   "1",  "1",  "1",  "1",  "1",  "1",  "1",
      "125", "75",  "110", "150", "100", "130", "48", "1",  "10", "48", "1",  "10", "48",
      "1",   "10",  "48",  "1",   "10",  "48",  "1",  "10", "64", "1",  "48", "1",  "10"};
  const auto join = [](std::vector<std::string> lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
  };
  std::vector<std::string> edited = defaults;
  edited[2] = "true";         // a word where a flag goes
  edited[3] = " 1";           // a flag with a blank before it
  edited[0] = "$FF";          // hexadecimal
  edited[1] = "99999999999";  // past the 32-bit range
  edited[8] = "-5";           // below the slider's range
  edited[19] = "60";          // a mirrored slider past its range
  edited[22] = "letters";     // a mirrored slider without a number
  edited[30] = "0x7FFFFFFF";  // hexadecimal at the top of the range
  std::vector<std::string> longer = defaults;
  longer.push_back("extra");
  longer.push_back("");
  return {
      {"defaults", join(defaults, "\r\n")},
      {"edited", join(edited, "\r\n")},
      {"lf-and-more-lines", join(longer, "\n")},
      {"cr-only", join(defaults, "\r")},
      {"38-lines", join(std::vector<std::string>(defaults.begin(), defaults.end() - 1), "\r\n")},
      {"nul-inside", join(defaults, "\r\n").insert(20, std::string(1, '\0'))},
      {"no-final-line-end", join(defaults, "\r\n").substr(0, join(defaults, "\r\n").size() - 2)},
  };
}

// Template substitutions: a mode byte (1 strict, 0 anything), then template, placeholders and
// values separated by NULs, each a list of lines.
inline TSeeds SubstitutionSeeds() {
  const auto input = [](char mode, const std::string& lines, const std::string& placeholders,
                        const std::string& values) {
    return std::string(1, mode) + lines + '\0' + placeholders + '\0' + values;
  };
  return {
      {"script",
       input(1,
             "define WEAPON_ORDER %WEAP1% %WEAP2%\n%USEMEDKIT%state medikit\n"
             "define FLY_SPEED %BOTFLYSPEED% %DODGEFLYSPEED%\nno sign here\n",
             "%WEAP1%\n%WEAP2%\n%USEMEDKIT%\n%BOTFLYSPEED%\n%DODGEFLYSPEED%", "5\n4\n//\n120\n80")},
      {"twice-and-case", input(1, "%WEAP1% %WEAP1% %weap1%\n%\n%%\n%NOTLISTED%", "%WEAP1%", "7")},
      {"shared-sign",
       input(1, "%BOTFLYSPEED%DODGEFLYSPEED%", "%BOTFLYSPEED%\n%DODGEFLYSPEED%", "1\n2")},
      {"formed-by-a-value", input(1, "%A%B% %%A%%", "%B%\n%A%\n%%", "\nx\n")},
      {"empty-value", input(1, "a%X%b", "%X%", "")},
      {"value-holds-its-placeholder", input(0, "%X% %X%", "%X%", "%X%%X%")},
      {"empty-placeholder", input(0, "a%b", "\n%", "zz\n%%")},
      {"more-values-than-placeholders", input(0, "%A%", "%A%", "1\n2\n3")},
  };
}

}  // namespace zk::fuzz
