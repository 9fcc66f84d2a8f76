#pragma once
// What the Qt backend's tests share: a form's model realised as a real window, the widget that
// shows each control, and showing the window as a player would see it.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "platform/controls.h"
#include "platform/qt/qtform.h"

namespace zk::test {

class TRealisedWindow {
 public:
  TRealisedWindow(TForm& form, IDialogs* dialogs) : qt(form, dialogs), window(qt.Window()) {}

  // The widget of a control, of the kind the test expects.
  template <typename W = QWidget>
  W* Widget(const TControl* control) const {
    auto* widget = dynamic_cast<W*>(qt.WidgetOf(control));
    EXPECT_NE(widget, nullptr) << control->Name();
    return widget;
  }

  void Show() const {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }

  TQtForm qt;
  QWidget* window;
};

}  // namespace zk::test
