#pragma once
// The Qt backend of the window: realises a TForm and every control under it as Qt widgets, in
// design order (later siblings lie above earlier ones), and keeps model and widget in step
// both ways: a user's change goes to the model through its User... call (which fires the
// design's event), a change from code reaches the widget through the control's peer without
// firing anything.

#include <memory>

class QWidget;

namespace zk {

class IDialogs;
class TForm;
class TControl;

class TQtForm {
 public:
  // Builds the widgets and binds them; the form must outlive this object. An exception that
  // escapes one of the form's events is reported through dialogs (when given) and the window
  // runs on: none may cross Qt's event loop.
  explicit TQtForm(TForm& form, IDialogs* dialogs = nullptr);
  ~TQtForm();
  TQtForm(const TQtForm&) = delete;
  TQtForm& operator=(const TQtForm&) = delete;

  // The top-level window (not yet shown).
  QWidget* Window() const;
  // The widget that realises a control (tests of the binding and the geometry).
  QWidget* WidgetOf(const TControl* control) const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};

}  // namespace zk
