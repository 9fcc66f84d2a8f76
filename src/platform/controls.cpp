#include "platform/controls.h"

#include <QKeyEvent>
#include <climits>

namespace zk {

void Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(left, top, width, height);
}

TTrackBar::TTrackBar(QWidget* parent, int min, int max, int position, bool ticks)
    : QSlider(Qt::Horizontal, parent) {
  setRange(min, max);
  setValue(position);
  setSingleStep(1);
  setPageStep(1);
  setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
  setTickInterval(1);
}

TCSpinEdit::TCSpinEdit(QWidget* parent, int minValue, int maxValue, int increment, int value)
    : QSpinBox(parent), minValue_(minValue), maxValue_(maxValue) {
  if (minValue == maxValue)
    setRange(INT_MIN, INT_MAX);
  else
    setRange(minValue, maxValue);
  setSingleStep(increment);
  setValue(value);
  // The number changes only by the arrows and the Up/Down keys.
  lineEdit()->setReadOnly(true);
  setKeyboardTracking(false);
}

TCheckBox::TCheckBox(QWidget* parent, const QString& caption, bool checked)
    : QCheckBox(caption, parent) {
  setChecked(checked);
}

TRadioButton::TRadioButton(QWidget* parent, const QString& caption, bool checked)
    : QRadioButton(caption, parent) {
  setChecked(checked);
}

void TRadioButton::SetChecked(bool c) {
  // Qt refuses to uncheck the checked button of an exclusive group; checking the other one
  // unchecks it, which is what callers do next.
  setChecked(c);
}

TComboBox::TComboBox(QWidget* parent, const QStringList& items, int itemIndex) : QComboBox(parent) {
  setEditable(false);
  addItems(items);
  setCurrentIndex(itemIndex);
}

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

TEdit::TEdit(QWidget* parent, bool enabled) : QLineEdit(parent) {
  setEnabled(enabled);
}

TMemo::TMemo(QWidget* parent, const QStringList& lines, bool visible)
    : QPlainTextEdit(parent), lines_(lines) {
  setPlainText(lines.join('\n'));
  setReadOnly(true);
  setVisible(visible);
}

TButton::TButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {}

TLabel::TLabel(QWidget* parent, const QString& caption, int left, int top)
    : QLabel(caption, parent) {
  move(left, top);
  adjustSize();
}

TGroupBox::TGroupBox(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {
  // A type selector styles the group box itself; its children keep the window's font and colours.
  setStyleSheet("QGroupBox { font-weight: bold; color: red; }");
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent), panel_(new QLabel(this)) {
  // The grip would hide the panel text on a fixed-size window.
  setSizeGripEnabled(false);
  addWidget(panel_, 1);
}

void TStatusBar::Repaint() {
  panel_->repaint();
  repaint();
}

}  // namespace zk
