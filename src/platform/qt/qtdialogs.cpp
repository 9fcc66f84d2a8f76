#include "platform/qt/qtdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zk {

namespace {
QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

TModalResult TQtDialogs::MessageBox(const std::string& text, const std::string& title,
                                    TMsgIcon icon, TMsgButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(Q(title));
  box.setText(Q(text));
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

bool TQtDialogs::InputQuery(const std::string& caption, const std::string& prompt,
                            std::string& value) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(value));
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.textValue().toStdString();
  return true;
}

bool TQtDialogs::OpenFile(const TOpenDialogSpec& spec, std::string& fileName) {
  // "Description (*.ext)|*.ext|..." becomes Qt's "Description (*.ext);;..." filter list.
  const QStringList parts = Q(spec.Filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(Q(spec.DefaultExt));
  dialog.setFileMode(spec.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().first().toStdString();
  return true;
}

}  // namespace zk
