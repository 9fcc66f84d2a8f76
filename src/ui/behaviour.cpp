// The window's own reactions that keep the options consistent with each other.

#include "ui/mainform.h"

namespace zk {

void TForm1::CheckBox2Click(QObject*) {
  // Only the row that the box selects can be edited; the other keeps its positions.
  const bool expander = CheckBox2->Checked();
  TrackBar24->setEnabled(!expander);
  TrackBar25->setEnabled(!expander);
  TrackBar26->setEnabled(!expander);
  Label29->setEnabled(!expander);
  TrackBar29->setEnabled(expander);
  TrackBar30->setEnabled(expander);
  TrackBar31->setEnabled(expander);
  Label33->setEnabled(expander);
}

void TForm1::Button2Click(QObject*) {
  QString fileName;
  if (!Dialogs().OpenFile(OpenDialog1, fileName)) return;
  Edit1->SetText(fileName);
  RadioButton1->SetChecked(true);
  RadioButton2->SetChecked(false);
}

void TForm1::ComboBox3Change(QObject*) {
  const TMemo* levels[] = {Memo2, Memo3, Memo4, Memo5};
  const int episode = ComboBox3->ItemIndex();
  ComboBox4->clear();
  if (episode >= 0 && episode < 4) ComboBox4->addItems(levels[episode]->Lines());
  ComboBox4->SetItemIndex(0);
  RadioButton1->SetChecked(false);
  RadioButton2->SetChecked(true);
}

void TForm1::ComboBox4Change(QObject*) {
  RadioButton1->SetChecked(false);
  RadioButton2->SetChecked(true);
}

void TForm1::ComboBox2Change(QObject*) {
  if (ComboBox2->ItemIndex() == 0) {
    // Remember the choice while there are no monsters to respawn.
    CheckBox7->setEnabled(false);
    CheckBox7->Tag = CheckBox7->Checked() ? 1 : 0;
    CheckBox7->SetChecked(false);
  } else {
    CheckBox7->setEnabled(true);
    CheckBox7->SetChecked(CheckBox7->Tag != 0);
  }
}

}  // namespace zk
