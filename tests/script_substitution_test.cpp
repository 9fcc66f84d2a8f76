// Template substitution and the pure computations behind the game script's values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/substitution.h"

namespace zk {
namespace {

using Lines = std::vector<std::string>;

TEST(SubstitutePlaceholders, ReplacesAsTheTemplateExpects) {
  // A small list in the real list's shape; "%BOTFLYSPEED%" comes before "%DODGEFLYSPEED%" as in
  // the window's list, and "%X%" / "%AX%" show how text formed by a replacement is treated.
  const Lines names = {"%WEAP1%", "%BOTFLYSPEED%", "%DODGEFLYSPEED%", "%EMPTY%", "%X%", "%AX%"};
  const Lines values = {"0", "110", "130", "", "X", "X"};
  struct Case {
    const char* what;
    Lines in, out;
  } cases[] = {
      {"no percent sign", {"plain text", "", "  blanks  "}, {"plain text", "", "  blanks  "}},
      {"lone percent sign", {"%"}, {"%"}},
      {"two in a row", {"a %% b"}, {"a %% b"}},
      {"unknown name", {"%NOSUCHNAME% and %WEAP%"}, {"%NOSUCHNAME% and %WEAP%"}},
      {"lower case", {"%weap1%"}, {"%weap1%"}},
      {"repeated", {"%WEAP1% %WEAP1%%WEAP1%"}, {"0 00"}},
      {"several, out of list order",
       {"%DODGEFLYSPEED% after %BOTFLYSPEED%, %WEAP1%"},
       {"130 after 110, 0"}},
      {"empty value joins its neighbours", {"left%EMPTY%right"}, {"leftright"}},
      {"shared percent sign", {"%BOTFLYSPEED%DODGEFLYSPEED%"}, {"110DODGEFLYSPEED%"}},
      // "%X%" gives X, which forms "%X%" again with the signs around it: the same placeholder
      // looks again from the line's start.
      {"formed text, same placeholder", {"%%X%%"}, {"X"}},
      // "%AX%" gives X and forms "%X%", but "%X%" came earlier in the list and is not looked
      // for again in this line.
      {"formed text, earlier placeholder", {"%%AX%%"}, {"%X%"}},
      // "%X%" forms "%AX%", which comes later in the list and is replaced in its turn.
      {"formed text, later placeholder", {"%A%X%%"}, {"X"}},
      {"each line on its own", {"%WEAP1%", "x", "%", "%EMPTY%"}, {"0", "x", "%", ""}},
      {"8-bit text passes unchanged", {"\xe9t\xe9 %WEAP1%\xff"}, {"\xe9t\xe9 0\xff"}},
      {"empty template", {}, {}},
  };
  for (const Case& c : cases) {
    Lines lines = c.in;
    SubstitutePlaceholders(lines, names, values);
    EXPECT_EQ(lines, c.out) << c.what;
  }
}

TEST(SubstitutePlaceholders, EndsOnListsOutsideItsContract) {
  // A value holding its own placeholder would be found again after every replacement; a line
  // gets no more replacements than it had "%" signs.
  Lines lines = {"%A%", "no sign", "%A% %A%"};
  SubstitutePlaceholders(lines, {"%A%"}, {"x%A%y"});
  EXPECT_EQ(lines, (Lines{"xx%A%yy", "no sign", "xxxx%A%yyyy %A%"}));

  // An empty name is no placeholder; names without a value are not used.
  lines = {"%B% %C%"};
  SubstitutePlaceholders(lines, {"", "%B%", "%C%"}, {"e", "b"});
  EXPECT_EQ(lines, (Lines{"b %C%"}));
}

TEST(RepeatText, CopiesWithSingleBlanks) {
  EXPECT_EQ(RepeatText("shoot SHOTGUN", 0), "");
  EXPECT_EQ(RepeatText("shoot SHOTGUN", 1), "shoot SHOTGUN");
  EXPECT_EQ(RepeatText("shoot SHOTGUN", 3), "shoot SHOTGUN shoot SHOTGUN shoot SHOTGUN");
  EXPECT_EQ(RepeatText("ab", 7), "ab ab ab ab ab ab ab");
}

TEST(ReleaseValue, IsWholeNumberArithmetic) {
  // At 20, 40, 60, 80 and 100 a double product of 2.55 would give one more.
  const std::pair<int, int> cases[] = {{0, 0},    {1, 2},    {10, 25},  {20, 50},  {40, 101},
                                       {50, 127}, {60, 152}, {80, 203}, {99, 252}, {100, 254}};
  for (const auto& [position, expected] : cases)
    EXPECT_EQ(ReleaseValue(position), expected) << "position " << position;
}

}  // namespace
}  // namespace zk
