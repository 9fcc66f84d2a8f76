#pragma once
// The real dialogs on Windows: MessageBox, an input query of our own, GetOpenFileName.

#include "platform/win32/winapi.h"

#include "platform/dialogs.h"

namespace zk {

class TWin32Dialogs : public IDialogs {
 public:
  explicit TWin32Dialogs(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  TModalResult MessageBox(const std::string& text, const std::string& title, TMsgIcon icon,
                          TMsgButtons buttons) override;
  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  bool OpenFile(const TOpenDialogSpec& spec, std::string& fileName) override;

 private:
  HWND owner_;
};

}  // namespace zk
