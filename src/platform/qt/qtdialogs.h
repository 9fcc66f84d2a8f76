#pragma once
// The real dialogs, with Qt's message box, input dialog and (non-native) file dialog.

#include "platform/dialogs.h"

class QWidget;

namespace zk {

class TQtDialogs : public IDialogs {
 public:
  explicit TQtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  TModalResult MessageBox(const std::string& text, const std::string& title, TMsgIcon icon,
                          TMsgButtons buttons) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool OpenFile(const TOpenDialogSpec& spec, std::string& fileName) override;

 private:
  QWidget* parent_;
};

}  // namespace zk
