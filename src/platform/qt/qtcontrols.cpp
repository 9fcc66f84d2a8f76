#include "platform/qt/qtcontrols.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QWheelEvent>

#include "platform/controls.h"

namespace zk {

namespace {

// The application's style with the design's slider thumb.
class TTrackBarStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SliderLength) return TQtTrackBar::ThumbLength;
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

TQtSpinEdit::TQtSpinEdit(TCSpinEdit& model, QWidget* parent) : QSpinBox(parent), model_(model) {
  lineEdit()->setReadOnly(true);
  setKeyboardTracking(false);
}

void TQtSpinEdit::stepBy(int steps) {
  // Qt's own step would bypass the model; the model's change comes back through its peer.
  model_.UserStep(steps > 0 ? 1 : -1);
}

void TQtSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
    event->ignore();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void TQtSpinEdit::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

TQtTrackBar::TQtTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setSingleStep(1);
  setPageStep(1);
  setTickInterval(1);
  setStyle(TrackBarStyle());
}

TQtGroupBox::TQtGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void TQtGroupBox::SetCaptionStyle(bool bold, int pixelSize, const QColor& colour) {
  bold_ = bold;
  pixelSize_ = pixelSize;
  colour_ = colour;
  update();
}

QFont TQtGroupBox::CaptionFont() const {
  QFont caption = font();
  caption.setBold(bold_);
  if (pixelSize_ > 0) caption.setPixelSize(pixelSize_);
  return caption;
}

QRect TQtGroupBox::CaptionRect() const {
  const QFontMetrics metrics(CaptionFont());
  return QRect(8, 0, metrics.horizontalAdvance(title()), metrics.height());
}

int TQtGroupBox::FrameTop() const {
  return CaptionRect().center().y();
}

void TQtGroupBox::paintEvent(QPaintEvent*) {
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
  const QColor text = colour_.isValid() ? colour_ : palette().color(QPalette::WindowText);
  painter.setPen(isEnabled() ? text : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

}  // namespace zk
