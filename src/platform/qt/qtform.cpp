#include "platform/qt/qtform.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/qt/qtcontrols.h"

namespace zk {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QColor Colour(std::uint32_t rgb) {
  return QColor(QRgb(0xFF000000u | rgb));
}

bool operator!=(const TBounds& a, const TBounds& b) {
  return a.Left != b.Left || a.Top != b.Top || a.Width != b.Width || a.Height != b.Height;
}

bool operator!=(const TFontTraits& a, const TFontTraits& b) {
  return a.Bold != b.Bold || a.PixelSize != b.PixelSize || a.Color != b.Color;
}

// The design's font where this system has it, else sans serifs of the same widths. One family
// that is installed, named outright: a missing first choice would cost start-up a search for
// substitutes, and a TrueType face loads far faster than the last one's.
QFont FormFont(const TForm& form) {
  const QStringList installed = QFontDatabase::families();
  QString family = "DejaVu Sans";
  for (const QString& choice :
       {Q(form.FontFamily), QString("Liberation Sans"), QString("Nimbus Sans")}) {
    if (installed.contains(choice)) {
      family = choice;
      break;
    }
  }
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(form.FontPixelSize);
  return font;
}

// The design's widths were made for a narrower font: a check box whose caption would be cut
// grows to show it, as far as its parent leaves room.
void WidenToCaption(QCheckBox* box) {
  const int room = box->parentWidget()->width() - box->x() - 4;
  const int need = box->sizeHint().width();
  if (need > box->width()) box->resize(std::min(need, room), box->height());
}

}  // namespace

class TQtWindow;

struct TQtForm::TImpl {
  TImpl(TForm& f, IDialogs* d) : form(f), dialogs(d) {}
  ~TImpl();

  TForm& form;
  IDialogs* dialogs;
  TQtWindow* window = nullptr;  // owns every widget
  std::vector<std::unique_ptr<IControlPeer>> peers;
  std::unordered_map<const TControl*, QWidget*> widgets;
  std::vector<TControl*> realised;
  bool bound = true;  // false while the widgets are torn down: no event reaches the model

  // Runs a user's action on the model. Nothing may cross Qt's event loop: an exception that
  // escapes the design's event is reported and the window runs on.
  template <typename F>
  void User(IControlPeer* peer, F&& action) {
    if (!bound) return;
    if (dialogs)
      RunGuarded(*dialogs, std::forward<F>(action));
    else
      try {
        std::forward<F>(action)();
      } catch (...) {
      }
    // The widget may have changed on its own (a radio button clicked off, a click on a model
    // that refused it): it shows the model again.
    if (bound) peer->Sync();
  }

  void Realise(TControl& control, QWidget* parent);
  void RealiseChildren(TControl& control, QWidget* widget);
};

// The top-level window: its close asks the form first.
class TQtWindow : public QWidget {
 public:
  TQtWindow(TForm& form, IDialogs* dialogs)
      : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
        form_(form),
        dialogs_(dialogs) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    bool close = true;
    try {
      close = form_.CloseQuery();
    } catch (...) {
      // A failed close step is reported; the window closes all the same.
      if (dialogs_) ReportException(*dialogs_, std::current_exception());
    }
    if (close)
      event->accept();
    else
      event->ignore();
  }

 private:
  TForm& form_;
  IDialogs* dialogs_;
};

namespace {

// What every kind shares: enabled and visible states, place, caption and font traits. Each
// kind adds its own state; Sync shows the model with the widget's signals blocked, and touches
// only what changed since the last time.
class TPeer : public IControlPeer {
 public:
  TPeer(TControl& control, QWidget* widget) : control_(control), widget_(widget) {}

  void Sync() override {
    const QSignalBlocker blocker(widget_);
    SyncCommon();
    SyncOwn();
  }

 protected:
  virtual void SyncOwn() {}
  virtual void Place(const TBounds& b) { widget_->setGeometry(b.Left, b.Top, b.Width, b.Height); }
  virtual void ShowCaption(const QString&) {}
  virtual bool HasVisibility() const { return true; }
  // The traits apply to the font and colour the control would inherit.
  virtual void ShowFont(const TFontTraits& traits, bool first) {
    if (traits.Bold || traits.PixelSize > 0) {
      QFont font = widget_->parentWidget()->font();
      font.setBold(traits.Bold);
      if (traits.PixelSize > 0) font.setPixelSize(traits.PixelSize);
      widget_->setFont(font);
    } else if (!first) {
      widget_->setFont(QFont());
    }
    if (traits.Color != kDefaultColor) {
      QPalette palette = widget_->palette();
      for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
          palette.setColor(group, role, Colour(traits.Color));
      widget_->setPalette(palette);
    } else if (!first) {
      widget_->setPalette(QPalette());
    }
  }

  TControl& control_;
  QWidget* widget_;

 private:
  void SyncCommon() {
    if (first_ || widget_->isEnabled() != control_.Enabled())
      widget_->setEnabled(control_.Enabled());
    if (HasVisibility() && (first_ || visible_ != control_.Visible())) {
      visible_ = control_.Visible();
      // Before the window is shown a visible child needs no call: it appears with its parent.
      if (!visible_ || !first_) widget_->setVisible(visible_);
    }
    if (first_ || caption_ != control_.Caption()) {
      caption_ = control_.Caption();
      ShowCaption(Q(caption_));
    }
    if (first_ || bounds_ != control_.Bounds()) {
      bounds_ = control_.Bounds();
      Place(bounds_);
    }
    if (first_ || font_ != control_.Font()) {
      font_ = control_.Font();
      ShowFont(font_, first_);
    }
    first_ = false;
  }

  bool first_ = true;
  bool visible_ = true;
  std::string caption_;
  TBounds bounds_;
  TFontTraits font_;
};

class TTrackBarPeer : public TPeer {
 public:
  TTrackBarPeer(TTrackBar& model, TQtTrackBar* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* slider = static_cast<QSlider*>(widget_);
    slider->setRange(model_.Min(), model_.Max());
    slider->setValue(model_.Position());
    slider->setTickPosition(model_.Ticks() ? QSlider::TicksBelow : QSlider::NoTicks);
  }
  TTrackBar& model_;
};

class TSpinEditPeer : public TPeer {
 public:
  TSpinEditPeer(TCSpinEdit& model, TQtSpinEdit* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* spin = static_cast<QSpinBox*>(widget_);
    if (model_.Bounded())
      spin->setRange(model_.MinValue(), model_.MaxValue());
    else
      spin->setRange(INT_MIN, INT_MAX);
    spin->setSingleStep(model_.Increment());
    spin->setValue(model_.Value());
  }
  TCSpinEdit& model_;
};

class TCheckBoxPeer : public TPeer {
 public:
  TCheckBoxPeer(TCheckBox& model, QCheckBox* widget) : TPeer(model, widget), model_(model) {}

 private:
  QCheckBox* Box() const { return static_cast<QCheckBox*>(widget_); }
  void SyncOwn() override { Box()->setChecked(model_.Checked()); }
  void ShowCaption(const QString& caption) override {
    Box()->setText(caption);
    WidenToCaption(Box());
  }
  void Place(const TBounds& b) override {
    TPeer::Place(b);
    WidenToCaption(Box());
  }
  TCheckBox& model_;
};

class TRadioButtonPeer : public TPeer {
 public:
  TRadioButtonPeer(TRadioButton& model, QRadioButton* widget)
      : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override { static_cast<QRadioButton*>(widget_)->setChecked(model_.Checked()); }
  void ShowCaption(const QString& caption) override {
    static_cast<QRadioButton*>(widget_)->setText(caption);
  }
  TRadioButton& model_;
};

class TComboBoxPeer : public TPeer {
 public:
  TComboBoxPeer(TComboBox& model, QComboBox* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* combo = static_cast<QComboBox*>(widget_);
    if (items_ != model_.Items()) {
      items_ = model_.Items();
      combo->clear();
      QStringList items;
      for (const std::string& item : items_) items << Q(item);
      combo->addItems(items);
    }
    combo->setCurrentIndex(model_.ItemIndex());
    combo->setMaxVisibleItems(model_.DropDownCount);
  }
  TComboBox& model_;
  std::vector<std::string> items_;
};

class TEditPeer : public TPeer {
 public:
  TEditPeer(TEdit& model, QLineEdit* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* edit = static_cast<QLineEdit*>(widget_);
    if (edit->text() != Q(model_.Text())) edit->setText(Q(model_.Text()));
  }
  TEdit& model_;
};

// Its lines are fixed: the text is laid out once, when the memo is first visible (a hidden
// memo is only a list of data).
class TMemoPeer : public TPeer {
 public:
  TMemoPeer(TMemo& model, QPlainTextEdit* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* memo = static_cast<QPlainTextEdit*>(widget_);
    memo->setReadOnly(model_.ReadOnly);
    memo->setLineWrapMode(model_.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (model_.Visible() && !filled_) {
      filled_ = true;
      QStringList lines;
      for (const std::string& line : model_.Lines()) lines << Q(line);
      memo->setPlainText(lines.join('\n'));
    }
  }
  TMemo& model_;
  bool filled_ = false;
};

class TButtonPeer : public TPeer {
 public:
  using TPeer::TPeer;

 private:
  void ShowCaption(const QString& caption) override {
    static_cast<QPushButton*>(widget_)->setText(caption);
  }
};

// A label sizes itself to its caption: only its place is given.
class TLabelPeer : public TPeer {
 public:
  using TPeer::TPeer;

 private:
  QLabel* Label() const { return static_cast<QLabel*>(widget_); }
  void ShowCaption(const QString& caption) override {
    Label()->setText(caption);
    Label()->adjustSize();
  }
  void Place(const TBounds& b) override {
    Label()->move(b.Left, b.Top);
    Label()->adjustSize();
  }
};

// A group box's traits are its caption's; its controls keep the window's font and colour.
class TGroupBoxPeer : public TPeer {
 public:
  using TPeer::TPeer;

 private:
  void ShowFont(const TFontTraits& traits, bool) override {
    static_cast<TQtGroupBox*>(widget_)->SetCaptionStyle(
        traits.Bold, traits.PixelSize,
        traits.Color == kDefaultColor ? QColor() : Colour(traits.Color));
  }
  void ShowCaption(const QString& caption) override {
    static_cast<QGroupBox*>(widget_)->setTitle(caption);
  }
};

// A page: its place is the page control's, its caption the tab's.
class TTabSheetPeer : public TPeer {
 public:
  TTabSheetPeer(TControl& model, QWidget* page, QTabWidget* tabs)
      : TPeer(model, page), tabs_(tabs) {}

 private:
  void Place(const TBounds&) override {}
  bool HasVisibility() const override { return false; }
  void ShowCaption(const QString& caption) override {
    tabs_->setTabText(tabs_->indexOf(widget_), caption);
  }
  QTabWidget* tabs_;
};

class TPageControlPeer : public TPeer {
 public:
  TPageControlPeer(TPageControl& model, QTabWidget* widget) : TPeer(model, widget), model_(model) {}

 private:
  void SyncOwn() override {
    auto* tabs = static_cast<QTabWidget*>(widget_);
    if (model_.ActivePageIndex() < tabs->count()) tabs->setCurrentIndex(model_.ActivePageIndex());
  }
  TPageControl& model_;
};

// One panel, no size grip: the grip would hide the panel's text on a fixed-size window.
class TStatusBarPeer : public TPeer {
 public:
  TStatusBarPeer(TStatusBar& model, QStatusBar* bar) : TPeer(model, bar), model_(model) {
    bar->setSizeGripEnabled(false);
    bar->addWidget(panel_ = new QLabel(bar), 1);
  }
  void Repaint() override {
    panel_->repaint();
    widget_->repaint();
  }

 private:
  void SyncOwn() override { panel_->setText(Q(model_.PanelText())); }
  TStatusBar& model_;
  QLabel* panel_;
};

// The window: a fixed client area, its caption the title.
class TFormPeer : public IFormPeer {
 public:
  TFormPeer(TForm& form, QWidget* window) : form_(form), window_(window) {}
  void Sync() override {
    window_->setWindowTitle(Q(form_.Caption()));
    window_->setFixedSize(form_.Bounds().Width, form_.Bounds().Height);
    window_->setEnabled(form_.Enabled());
  }
  void Close() override { window_->close(); }
  void ProcessMessages() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }

 private:
  TForm& form_;
  QWidget* window_;
};

std::vector<TControl*> InDesignOrder(const TControl& parent) {
  std::vector<TControl*> children;
  for (const auto& child : parent.Children()) children.push_back(child.get());
  return children;
}

// Siblings in their focus order; equal values keep design order.
std::vector<TControl*> InTabOrder(const TControl& parent) {
  std::vector<TControl*> children = InDesignOrder(parent);
  std::stable_sort(children.begin(), children.end(),
                   [](const TControl* a, const TControl* b) { return a->TabOrder < b->TabOrder; });
  return children;
}

}  // namespace

void TQtForm::TImpl::Realise(TControl& control, QWidget* parent) {
  QWidget* widget = nullptr;
  IControlPeer* peer = nullptr;
  auto adopt = [&](QWidget* w, std::unique_ptr<IControlPeer> p) {
    widget = w;
    peer = p.get();
    peers.push_back(std::move(p));
  };
  switch (control.Kind()) {
    case TControlKind::Form:
      return;  // the window itself is made by the constructor
    case TControlKind::PageControl: {
      auto& model = static_cast<TPageControl&>(control);
      auto* tabs = new QTabWidget(parent);
      adopt(tabs, std::make_unique<TPageControlPeer>(model, tabs));
      QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this, &model, peer](int index) {
        User(peer, [&] { model.UserSelectPage(index); });
      });
      break;
    }
    case TControlKind::TabSheet: {
      auto* tabs = static_cast<QTabWidget*>(parent);
      auto* page = new QWidget;
      {
        const QSignalBlocker blocker(tabs);  // adding the first page is no user's choice
        tabs->addTab(page, Q(control.Caption()));
      }
      adopt(page, std::make_unique<TTabSheetPeer>(control, page, tabs));
      break;
    }
    case TControlKind::GroupBox: {
      auto* box = new TQtGroupBox(Q(control.Caption()), parent);
      adopt(box, std::make_unique<TGroupBoxPeer>(control, box));
      break;
    }
    case TControlKind::Label: {
      auto* label = new QLabel(parent);
      adopt(label, std::make_unique<TLabelPeer>(control, label));
      break;
    }
    case TControlKind::TrackBar: {
      auto& model = static_cast<TTrackBar&>(control);
      auto* slider = new TQtTrackBar(parent);
      adopt(slider, std::make_unique<TTrackBarPeer>(model, slider));
      QObject::connect(slider, &QSlider::valueChanged, slider, [this, &model, peer](int value) {
        User(peer, [&] { model.UserSetPosition(value); });
      });
      break;
    }
    case TControlKind::SpinEdit: {
      auto& model = static_cast<TCSpinEdit&>(control);
      auto* spin = new TQtSpinEdit(model, parent);
      adopt(spin, std::make_unique<TSpinEditPeer>(model, spin));
      break;
    }
    case TControlKind::CheckBox: {
      auto& model = static_cast<TCheckBox&>(control);
      auto* box = new QCheckBox(parent);
      adopt(box, std::make_unique<TCheckBoxPeer>(model, box));
      QObject::connect(box, &QCheckBox::clicked, box,
                       [this, &model, peer] { User(peer, [&] { model.UserClick(); }); });
      break;
    }
    case TControlKind::RadioButton: {
      auto& model = static_cast<TRadioButton&>(control);
      auto* button = new QRadioButton(parent);
      // The model keeps the buttons of a group exclusive; Qt's own rule would act on its own.
      button->setAutoExclusive(false);
      adopt(button, std::make_unique<TRadioButtonPeer>(model, button));
      QObject::connect(button, &QRadioButton::clicked, button,
                       [this, &model, peer] { User(peer, [&] { model.UserClick(); }); });
      break;
    }
    case TControlKind::ComboBox: {
      auto& model = static_cast<TComboBox&>(control);
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      adopt(combo, std::make_unique<TComboBoxPeer>(model, combo));
      // activated: a user's pick only, never a change from code.
      QObject::connect(combo, &QComboBox::activated, combo, [this, &model, peer](int index) {
        User(peer, [&] { model.UserPick(index); });
      });
      break;
    }
    case TControlKind::Edit: {
      auto& model = static_cast<TEdit&>(control);
      auto* edit = new QLineEdit(parent);
      adopt(edit, std::make_unique<TEditPeer>(model, edit));
      QObject::connect(edit, &QLineEdit::textEdited, edit, [this, &model, peer](const QString& t) {
        User(peer, [&] { model.SetText(t.toStdString()); });
      });
      break;
    }
    case TControlKind::Memo: {
      auto& model = static_cast<TMemo&>(control);
      auto* memo = new QPlainTextEdit(parent);
      // The design's memos have no scroll bars.
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      adopt(memo, std::make_unique<TMemoPeer>(model, memo));
      break;
    }
    case TControlKind::Button: {
      auto& model = static_cast<TButton&>(control);
      auto* button = new QPushButton(parent);
      adopt(button, std::make_unique<TButtonPeer>(model, button));
      QObject::connect(button, &QPushButton::clicked, button,
                       [this, &model, peer] { User(peer, [&] { model.Click(); }); });
      break;
    }
    case TControlKind::StatusBar: {
      auto& model = static_cast<TStatusBar&>(control);
      auto* bar = new QStatusBar(parent);
      adopt(bar, std::make_unique<TStatusBarPeer>(model, bar));
      break;
    }
  }
  widgets[&control] = widget;
  realised.push_back(&control);
  control.SetPeer(peer);
  peer->Sync();
  RealiseChildren(control, widget);
}

// Qt's focus chain is the order in which widgets are made, and its stacking order can be
// changed afterwards: the children are made in their focus order (pages always in their own
// order), then raised in design order, so that a later sibling lies above an earlier one.
// (Reordering the chain afterwards with setTabOrder tears it apart around compound widgets.)
void TQtForm::TImpl::RealiseChildren(TControl& control, QWidget* widget) {
  const bool pages = control.Kind() == TControlKind::PageControl;
  for (TControl* child : pages ? InDesignOrder(control) : InTabOrder(control))
    Realise(*child, widget);
  for (const auto& child : control.Children()) widgets[child.get()]->raise();
}

TQtForm::TImpl::~TImpl() {
  bound = false;
  for (TControl* control : realised) control->SetPeer(nullptr);
  form.SetFormPeer(nullptr);
  delete window;
}

TQtForm::TQtForm(TForm& form, IDialogs* dialogs) : impl_(std::make_unique<TImpl>(form, dialogs)) {
  auto* window = new TQtWindow(form, dialogs);
  impl_->window = window;
  // Qt lays out a line edit's text once in the application's font before it takes the widget's;
  // with the design's font as the application's, start-up loads one face instead of two.
  const QFont font = FormFont(form);
  QApplication::setFont(font);
  window->setFont(font);
  auto formPeer = std::make_unique<TFormPeer>(form, window);
  form.SetFormPeer(formPeer.get());
  formPeer->Sync();
  impl_->peers.push_back(std::move(formPeer));
  impl_->widgets[&form] = window;
  impl_->RealiseChildren(form, window);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
  }
}

TQtForm::~TQtForm() = default;

QWidget* TQtForm::Window() const {
  return impl_->window;
}

QWidget* TQtForm::WidgetOf(const TControl* control) const {
  const auto found = impl_->widgets.find(control);
  return found == impl_->widgets.end() ? nullptr : found->second;
}

}  // namespace zk
