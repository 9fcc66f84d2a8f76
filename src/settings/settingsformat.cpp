#include "settings/settingsformat.h"

#include <array>
#include <string>

#include "platform/sysutils.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// What a line that is not a number gives.
constexpr int kRespawnTimeDefault = 10;
constexpr int kMaxHealthDefault = 200;
constexpr int kSliderDefault = 0;

// Line indexes (from 0) of the fixed part; the sliders follow from kFirstSliderLine.
constexpr int kRespawnTimeLine = 0;
constexpr int kMaxHealthLine = 1;
constexpr int kFirstCheckBoxLine = 2;
constexpr int kFirstSliderLine = 8;

std::array<TCheckBox*, 6> SavedCheckBoxes(const TForm1& form) {
  return {form.CheckBox1, form.CheckBox2, form.CheckBox3,
          form.CheckBox4, form.CheckBox5, form.CheckBox6};
}

std::string FlagLine(const TCheckBox* box) {
  return box->Checked() ? "1" : "0";
}

int StoredSliderValue(const TTrackBar* slider, bool mirrored) {
  return mirrored ? slider->Max() - slider->Position() : slider->Position();
}

}  // namespace

bool IsMirroredSliderEntry(int entry) {
  switch (entry) {
    case 11:  // TrackBar12
    case 14:  // TrackBar15
    case 17:  // TrackBar18
    case 20:  // TrackBar21
    case 23:  // TrackBar24
    case 28:  // TrackBar29
      return true;
    default:
      return false;
  }
}

TLines BuildSettingsLines(const TForm1& form) {
  TLines lines;
  lines.reserve(kSettingsLineCount);
  lines.push_back(std::to_string(form.CSpinEdit3->Value()));
  lines.push_back(std::to_string(form.CSpinEdit4->Value()));
  for (const TCheckBox* box : SavedCheckBoxes(form)) lines.push_back(FlagLine(box));
  for (int i = 0; i < static_cast<int>(form.SliderTable.size()); ++i)
    lines.push_back(
        std::to_string(StoredSliderValue(form.SliderTable[i], IsMirroredSliderEntry(i))));
  return lines;
}

void ApplySettingsLines(TForm1& form, const TLines& lines) {
  form.CSpinEdit3->SetValue(StrToIntDef(lines[kRespawnTimeLine], kRespawnTimeDefault));
  form.CSpinEdit4->SetValue(StrToIntDef(lines[kMaxHealthLine], kMaxHealthDefault));

  const auto boxes = SavedCheckBoxes(form);
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
    boxes[i]->SetChecked(lines[kFirstCheckBoxLine + i] == "1");
    // The rows that CheckBox2 selects must follow it before anything else is set.
    if (boxes[i] == form.CheckBox2) form.CheckBox2Click(nullptr);
  }

  // Clamp first (by the slider), then mirror: a stored 60 gives position 0.
  for (int i = 0; i < static_cast<int>(form.SliderTable.size()); ++i)
    form.SliderTable[i]->SetPosition(StrToIntDef(lines[kFirstSliderLine + i], kSliderDefault));
  for (int i = 0; i < static_cast<int>(form.SliderTable.size()); ++i) {
    TTrackBar* slider = form.SliderTable[i];
    if (IsMirroredSliderEntry(i)) slider->SetPosition(slider->Max() - slider->Position());
  }
}

}  // namespace zk
