#pragma once
// The Qt widgets that realise the control models where Qt's own widget does not behave as the
// design asks: a spin edit that steps only through its model, a slider with the design's thumb,
// a group box with its caption on the frame line.

#include <QGroupBox>
#include <QSlider>
#include <QSpinBox>

namespace zk {

class TCSpinEdit;

// The number cannot be typed; the arrows and the Up and Down keys step it through the model
// (which fires nothing and clamps). Page keys and the mouse wheel do nothing: a wheel turned
// while the pointer passes over the box must not change a count.
class TQtSpinEdit : public QSpinBox {
 public:
  TQtSpinEdit(TCSpinEdit& model, QWidget* parent);
  void stepBy(int steps) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TCSpinEdit& model_;
};

// A horizontal slider with the design's 10-pixel thumb.
class TQtTrackBar : public QSlider {
 public:
  explicit TQtTrackBar(QWidget* parent);
  static constexpr int ThumbLength = 10;
};

// A group box whose caption sits on the frame's top line: the frame starts at the caption's
// vertical middle, so controls placed from the top of the box lie inside it. The caption has a
// style of its own (the design's is bold red); the controls keep the normal font and colour.
class TQtGroupBox : public QGroupBox {
 public:
  TQtGroupBox(const QString& caption, QWidget* parent);
  // pixelSize 0 keeps the box's own; an invalid colour is the palette's text colour.
  void SetCaptionStyle(bool bold, int pixelSize, const QColor& colour);
  // Where the caption is drawn, and the y of the frame's top line.
  QRect CaptionRect() const;
  int FrameTop() const;
  QFont CaptionFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool bold_ = false;
  int pixelSize_ = 0;
  QColor colour_;
};

}  // namespace zk
