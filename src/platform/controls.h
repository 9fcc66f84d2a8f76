#pragma once
// The window's control kinds, over Qt widgets, with the behaviour the option model relies on.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>

namespace zk {

// Places a widget at left, top, width x height within its parent.
void Place(QWidget* w, int left, int top, int width, int height);

// A horizontal slider with a 10-pixel thumb. A position set from code is clamped to Min..Max.
class TTrackBar : public QSlider {
 public:
  TTrackBar(QWidget* parent, int min, int max, int position, bool ticks);
  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  int Min() const { return minimum(); }
  int Max() const { return maximum(); }
  int Tag = 0;
};

// A spin edit whose number cannot be typed; its arrows and the Up/Down keys change it by
// Increment. A value set from code is clamped to MinValue..MaxValue, except that equal bounds
// mean no bounds at all.
class TCSpinEdit : public QSpinBox {
 public:
  TCSpinEdit(QWidget* parent, int minValue, int maxValue, int increment, int value);
  int Value() const { return value(); }
  void SetValue(int v) { setValue(v); }
  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  int Increment() const { return singleStep(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int minValue_;
  int maxValue_;
};

class TCheckBox : public QCheckBox {
 public:
  TCheckBox(QWidget* parent, const QString& caption, bool checked);
  bool Checked() const { return isChecked(); }
  void SetChecked(bool c) { setChecked(c); }
  int Tag = 0;
};

// Radio buttons that share a parent exclude each other.
class TRadioButton : public QRadioButton {
 public:
  TRadioButton(QWidget* parent, const QString& caption, bool checked);
  bool Checked() const { return isChecked(); }
  void SetChecked(bool c);
};

// A pick-only drop-down list. Its change signal is QComboBox::activated, which fires on a user's
// pick and never when code changes the selection.
class TComboBox : public QComboBox {
 public:
  TComboBox(QWidget* parent, const QStringList& items, int itemIndex);
  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int i) { setCurrentIndex(i); }
  QString Text() const { return currentText(); }
  QStringList Items() const;
};

// A one-line text field; Edit1 is disabled and only shows a path.
class TEdit : public QLineEdit {
 public:
  TEdit(QWidget* parent, bool enabled);
  QString Text() const { return text(); }
  void SetText(const QString& t) { setText(t); }
};

// A multi-line text whose lines are data; a hidden one is only that and shows no text.
class TMemo : public QPlainTextEdit {
 public:
  TMemo(QWidget* parent, const QStringList& lines, bool visible);
  const QStringList& Lines() const { return lines_; }

 private:
  QStringList lines_;
};

class TButton : public QPushButton {
 public:
  TButton(QWidget* parent, const QString& caption);
};

class TLabel : public QLabel {
 public:
  TLabel(QWidget* parent, const QString& caption, int left, int top);
};

// A group box whose caption, in bold red, sits on the frame's top line: the frame starts at the
// caption's vertical middle, so controls placed from the top of the box lie inside it. Its
// controls keep the normal font and colour.
class TGroupBox : public QGroupBox {
 public:
  TGroupBox(QWidget* parent, const QString& caption);
  // Where the caption is drawn, and the y of the frame's top line.
  QRect CaptionRect() const;
  int FrameTop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont CaptionFont() const;
};

// A status bar with one panel.
class TStatusBar : public QStatusBar {
 public:
  explicit TStatusBar(QWidget* parent);
  QString PanelText() const { return panel_->text(); }
  void SetPanelText(const QString& t) { panel_->setText(t); }
  // Paints the panel at once, without waiting for the event loop.
  void Repaint();
  QLabel* Panel() const { return panel_; }

 private:
  QLabel* panel_;
};

}  // namespace zk
