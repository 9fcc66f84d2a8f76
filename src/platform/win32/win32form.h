#pragma once
// The Win32 backend of the window: realises a TForm and every control under it with the
// common controls, in design order, and keeps model and control in step both ways: a user's
// action goes to the model through its User... call (which fires the design's event), a change
// from code reaches the control through the model's peer without firing anything.

#include "platform/win32/winapi.h"

#include <memory>

namespace zk {

class TForm;
class TControl;

class TWin32Form {
 public:
  // Creates the window (hidden) and its controls; the form must outlive this object.
  explicit TWin32Form(TForm& form);
  ~TWin32Form();
  TWin32Form(const TWin32Form&) = delete;
  TWin32Form& operator=(const TWin32Form&) = delete;

  HWND Window() const;
  // The window that realises a control (its edit, for a spin edit).
  HWND WindowOf(const TControl* control) const;
  void Show();
  // Runs the message loop until the window is destroyed; returns the quit code.
  int Run();

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};

}  // namespace zk
