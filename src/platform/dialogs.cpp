#include "platform/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zk {

TModalResult TQtDialogs::MessageBox(const QString& text, const QString& title, TMsgIcon icon,
                                    TMsgButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case TMsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case TMsgIcon::Stop:
      box.setIcon(QMessageBox::Critical);
      break;
    case TMsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case TMsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case TMsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  if (buttons == TMsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int answer = box.exec();
  if (buttons == TMsgButtons::YesNo)
    return answer == QMessageBox::Yes ? TModalResult::Yes : TModalResult::No;
  return TModalResult::Ok;
}

bool TQtDialogs::InputQuery(const QString& caption, const QString& prompt, QString& value) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(caption);
  dialog.setLabelText(prompt);
  dialog.setTextValue(value);
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.textValue();
  return true;
}

bool TQtDialogs::OpenFile(const TOpenDialogSpec& spec, QString& fileName) {
  // "Description (*.ext)|*.ext|..." becomes Qt's "Description (*.ext);;..." filter list.
  const QStringList parts = spec.Filter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(spec.DefaultExt);
  dialog.setFileMode(spec.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().first();
  return true;
}

}  // namespace zk
