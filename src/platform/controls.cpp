#include "platform/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QWheelEvent>
#include <climits>

namespace zk {

namespace {

// The application's style with the design's 10-pixel slider thumb.
class TTrackBarStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SliderLength) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// One style for every slider; the application owns it, so it outlives the windows.
QStyle* TrackBarStyle() {
  static QPointer<TTrackBarStyle> style;
  if (!style) {
    style = new TTrackBarStyle;
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

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
  setStyle(TrackBarStyle());
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

void TCSpinEdit::keyPressEvent(QKeyEvent* event) {
  // No steps of ten: only the arrows and the Up and Down keys change the number.
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
    event->ignore();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void TCSpinEdit::wheelEvent(QWheelEvent* event) {
  // A wheel turned while the pointer passes over the box must not change a count.
  event->ignore();
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
  // A hidden memo is only a list of data: no text document is laid out for it.
  if (visible) setPlainText(lines.join('\n'));
  setReadOnly(true);
  setVisible(visible);
}

TButton::TButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {}

TLabel::TLabel(QWidget* parent, const QString& caption, int left, int top)
    : QLabel(caption, parent) {
  move(left, top);
  adjustSize();
}

TGroupBox::TGroupBox(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {}

QFont TGroupBox::CaptionFont() const {
  QFont bold = font();
  bold.setBold(true);
  return bold;
}

QRect TGroupBox::CaptionRect() const {
  const QFontMetrics metrics(CaptionFont());
  return QRect(8, 0, metrics.horizontalAdvance(title()), metrics.height());
}

int TGroupBox::FrameTop() const {
  return CaptionRect().center().y();
}

void TGroupBox::paintEvent(QPaintEvent*) {
  // Painted by hand rather than by the style: the styles put the title above the frame, which
  // would cut through the first row of controls.
  QPainter painter(this);
  const QRect caption = CaptionRect();
  painter.save();
  painter.setClipRegion(QRegion(rect()) - caption);
  // An etched line: dark, with a light one just inside it.
  const QRect frame(0, FrameTop(), width() - 1, height() - FrameTop() - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.restore();
  painter.setFont(CaptionFont());
  painter.setPen(isEnabled() ? QColor(Qt::red)
                             : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
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
