// The window's own reactions that keep the options consistent with each other.

#include "ui/mainform.h"

namespace zk {

void TForm1::CheckBox2Click(TControl*) {
  // Only the row that the box selects can be edited; the other keeps its positions.
  const bool expander = CheckBox2->Checked();
  for (TControl* shrinker : {static_cast<TControl*>(TrackBar24), static_cast<TControl*>(TrackBar25),
                             static_cast<TControl*>(TrackBar26), static_cast<TControl*>(Label29)})
    shrinker->SetEnabled(!expander);
  for (TControl* row : {static_cast<TControl*>(TrackBar29), static_cast<TControl*>(TrackBar30),
                        static_cast<TControl*>(TrackBar31), static_cast<TControl*>(Label33)})
    row->SetEnabled(expander);
}

void TForm1::Button2Click(TControl*) {
  std::string fileName;
  if (!Dialogs().OpenFile(OpenDialog1, fileName)) return;
  Edit1->SetText(fileName);
  RadioButton1->SetChecked(true);
  RadioButton2->SetChecked(false);
}

void TForm1::ComboBox3Change(TControl*) {
  const TMemo* levels[] = {Memo2, Memo3, Memo4, Memo5};
  const int episode = ComboBox3->ItemIndex();
  ComboBox4->ClearItems();
  if (episode >= 0 && episode < 4) ComboBox4->AddItems(levels[episode]->Lines());
  ComboBox4->SetItemIndex(0);
  RadioButton1->SetChecked(false);
  RadioButton2->SetChecked(true);
}

void TForm1::ComboBox4Change(TControl*) {
  RadioButton1->SetChecked(false);
  RadioButton2->SetChecked(true);
}

void TForm1::ComboBox2Change(TControl*) {
  if (ComboBox2->ItemIndex() == 0) {
    // Remember the choice while there are no monsters to respawn.
    CheckBox7->SetEnabled(false);
    CheckBox7->Tag = CheckBox7->Checked() ? 1 : 0;
    CheckBox7->SetChecked(false);
  } else {
    CheckBox7->SetEnabled(true);
    CheckBox7->SetChecked(CheckBox7->Tag != 0);
  }
}

}  // namespace zk
