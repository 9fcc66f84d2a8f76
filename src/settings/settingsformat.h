#pragma once
// The bot settings file format: 39 decimal lines built from the window's controls, and applied
// back to them. No files and no dialogs here: the callers read and write the lines.

#include "platform/textfile.h"

namespace zk {

class TForm1;

// Lines a settings file holds; a file with fewer is unusable, lines after these are ignored.
inline constexpr int kSettingsLineCount = 39;

// True for the SliderTable entries of the shooting-rate sliders, which the file holds as
// Max - position (the number the game receives).
bool IsMirroredSliderEntry(int entry);

// The 39 lines of the current options. The controls are not changed.
TLines BuildSettingsLines(const TForm1& form);

// Sets the 39 saved controls from the first 39 of lines (which must hold at least that many):
// numbers by the integer conversion with their defaults, clamped by the controls; a check box
// is checked exactly when its line is "1". The shrinker and expander rows follow CheckBox2.
void ApplySettingsLines(TForm1& form, const TLines& lines);

}  // namespace zk
