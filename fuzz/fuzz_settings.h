#pragma once
// The fuzzing entry point of the bot settings file reader: the bytes of a file split into lines
// and, when they are enough for a set, applied to the window's controls and written back.
// It checks what must hold for any file and aborts when it fails.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_common.h"
#include "platform/dialogs.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "settings/settingsformat.h"
#include "ui/mainform.h"

namespace zk::fuzz {

// Answers every dialog as cancelled: the window below only reports its missing game.
class TSilentDialogs : public IDialogs {
 public:
  TModalResult MessageBox(const std::string&, const std::string&, TMsgIcon, TMsgButtons) override {
    return TModalResult::Cancel;
  }
  bool InputQuery(const std::string&, const std::string&, std::string&) override { return false; }
  bool OpenFile(const TOpenDialogSpec&, std::string&) override { return false; }
};

class TNoRunner : public IProcessRunner {
 public:
  TProcessOutcome RunAndWait(const TGameCommand&, const std::string&,
                             const std::function<void()>&) override {
    return {false, "no game is started while fuzzing"};
  }
};

// One window for the whole run, built for a launcher with no game beside it: it keeps its
// designed controls and reads or writes no settings file.
inline TForm1& SettingsForm() {
  static TSilentDialogs dialogs;
  static TNoRunner runner;
  static TForm1 form(TScratch::Get().Path("zebkin") + "/zebkin-setup", dialogs, runner);
  return form;
}

// The 39 saved controls as numbers, check boxes as 0 or 1.
inline std::vector<int> SavedControls(const TForm1& form) {
  std::vector<int> state = {form.CSpinEdit3->Value(), form.CSpinEdit4->Value()};
  for (const TCheckBox* box : {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4,
                               form.CheckBox5, form.CheckBox6})
    state.push_back(box->Checked() ? 1 : 0);
  for (const TTrackBar* slider : form.SliderTable) state.push_back(slider->Position());
  return state;
}

inline bool WithinRange(const TCSpinEdit* edit) {
  return !edit->Bounded() ||
         (edit->Value() >= edit->MinValue() && edit->Value() <= edit->MaxValue());
}

inline bool IsUnsignedDecimal(const std::string& line) {
  return !line.empty() &&
         std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

inline int FuzzSettingsFile(const std::uint8_t* data, std::size_t size) {
  const TLines lines = SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& line : lines)
    Require(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
            "a line holds no line end and no NUL");
  if (lines.size() < static_cast<std::size_t>(kSettingsLineCount)) return 0;

  TForm1& form = SettingsForm();
  ApplySettingsLines(form, lines);
  Require(WithinRange(form.CSpinEdit3) && WithinRange(form.CSpinEdit4),
          "the number fields hold values within their ranges");
  for (const TTrackBar* slider : form.SliderTable)
    Require(slider->Position() >= slider->Min() && slider->Position() <= slider->Max(),
            "every slider stands within its range");
  const TCheckBox* boxes[] = {form.CheckBox1, form.CheckBox2, form.CheckBox3,
                              form.CheckBox4, form.CheckBox5, form.CheckBox6};
  for (int i = 0; i < 6; ++i)
    Require(boxes[i]->Checked() == (lines[2 + i] == "1"), "a box is checked exactly by a \"1\"");

  const std::vector<int> applied = SavedControls(form);
  const TLines written = BuildSettingsLines(form);
  Require(written.size() == static_cast<std::size_t>(kSettingsLineCount),
          "a set is written as 39 lines");
  Require(std::all_of(written.begin(), written.end(), IsUnsignedDecimal),
          "every written line is an unsigned decimal number");

  // Lines after the 39th change nothing.
  ApplySettingsLines(form, TLines(lines.begin(), lines.begin() + kSettingsLineCount));
  Require(SavedControls(form) == applied, "lines after the set are ignored");

  // What was written reads back as the same controls, and writes the same lines again.
  ApplySettingsLines(form, written);
  Require(SavedControls(form) == applied, "the written set reads back as the same controls");
  Require(BuildSettingsLines(form) == written, "the written set writes the same lines");
  return 0;
}

}  // namespace zk::fuzz
