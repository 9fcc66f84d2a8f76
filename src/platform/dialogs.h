#pragma once
// Every modal dialog of the program goes through IDialogs, so tests can script the answers and
// read back the texts and titles that were shown. Texts are UTF-8.

#include <string>

namespace zk {

enum class TMsgIcon { None, Stop, Warning, Information, Question };
enum class TMsgButtons { Ok, YesNo };
enum class TModalResult { Ok, Cancel, Yes, No };

// What the open-file dialog is configured with.
struct TOpenDialogSpec {
  std::string Filter;      // "Description (*.ext)|*.ext" pairs
  std::string DefaultExt;  // without the dot
  bool FileMustExist = true;
  bool PathMustExist = true;
  bool HideReadOnly = true;     // no read-only check box
  bool EnableSizing = true;     // the dialog can be resized
  bool DontAddToRecent = true;  // the choice is not added to the system's recent documents
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  virtual TModalResult MessageBox(const std::string& text, const std::string& title, TMsgIcon icon,
                                  TMsgButtons buttons) = 0;
  // Shows value, returns true on OK with the entered text in value; false on Cancel.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt,
                          std::string& value) = 0;
  // Returns true with the chosen file's full path, false when cancelled.
  virtual bool OpenFile(const TOpenDialogSpec& spec, std::string& fileName) = 0;
};

}  // namespace zk
