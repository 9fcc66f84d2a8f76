#pragma once
// Every modal dialog of the program goes through IDialogs, so tests can script the answers and
// read back the texts and titles that were shown.

#include <QString>

class QWidget;

namespace zk {

enum class TMsgIcon { None, Stop, Warning, Information, Question };
enum class TMsgButtons { Ok, YesNo };
enum class TModalResult { Ok, Cancel, Yes, No };

// What the open-file dialog is configured with.
struct TOpenDialogSpec {
  QString Filter;      // "Description (*.ext)|*.ext" pairs
  QString DefaultExt;  // without the dot
  bool FileMustExist = true;
  bool PathMustExist = true;
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  virtual TModalResult MessageBox(const QString& text, const QString& title, TMsgIcon icon,
                                  TMsgButtons buttons) = 0;
  // Shows value, returns true on OK with the entered text in value; false on Cancel.
  virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
  // Returns true with the chosen file's full path, false when cancelled.
  virtual bool OpenFile(const TOpenDialogSpec& spec, QString& fileName) = 0;
};

// The real dialogs, with Qt's message box, input dialog and (non-native) file dialog.
class TQtDialogs : public IDialogs {
 public:
  explicit TQtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  TModalResult MessageBox(const QString& text, const QString& title, TMsgIcon icon,
                          TMsgButtons buttons) override;
  bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
  bool OpenFile(const TOpenDialogSpec& spec, QString& fileName) override;

 private:
  QWidget* parent_;
};

}  // namespace zk
