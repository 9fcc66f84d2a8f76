#pragma once
// The window's control kinds as plain models: what the launcher's logic reads and writes, and
// the behaviour it relies on (clamping, exclusive radio buttons, a change event only on a
// user's pick). No toolkit here: a backend realises each model as a native widget and keeps
// both in step through the control's peer.
//
// Two ways in, as with a real toolkit:
// - from code (Set...): the model changes, the peer shows it, no event fires;
// - from the user (User...): what a backend calls when the player acts on the widget; the model
//   changes and the control's event fires, as the design binds it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zk {

class TControl;

// A backend's side of one control.
class IControlPeer {
 public:
  virtual ~IControlPeer() = default;
  // The model was changed from code: show its state now, without firing any event.
  virtual void Sync() = 0;
  // Paint at once, without waiting for the event loop (progress texts during a long step).
  virtual void Repaint() {}
};

// The events bound in the design: the control that raised it is the sender.
using TNotifyEvent = std::function<void(TControl* Sender)>;

struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// 0xRRGGBB, or the platform's default colour.
inline constexpr std::uint32_t kDefaultColor = 0xFFFFFFFFu;
inline constexpr std::uint32_t kRed = 0xFF0000u;

// How a control's text differs from its parent's font: bold, a pixel height of its own
// (0 keeps the parent's), a colour of its own.
struct TFontTraits {
  bool Bold = false;
  int PixelSize = 0;
  std::uint32_t Color = kDefaultColor;
};

enum class TControlKind {
  Form,
  PageControl,
  TabSheet,
  GroupBox,
  Label,
  TrackBar,
  SpinEdit,
  CheckBox,
  RadioButton,
  ComboBox,
  Edit,
  Memo,
  Button,
  StatusBar,
};

// A control: its kind, its component name, its parent (which owns it), its place in the
// parent's client area, its caption and its states. Children are kept in design order.
class TControl {
 public:
  TControl(TControlKind kind, std::string name, TControl* parent, TBounds bounds,
           std::string caption = {});
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  TControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  TControl* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }

  const TBounds& Bounds() const { return bounds_; }
  void SetBounds(const TBounds& bounds);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const TFontTraits& Font() const { return font_; }
  void SetFont(const TFontTraits& font);
  // The place among its siblings in the keyboard's focus order; equal values keep design order.
  int TabOrder = 0;

  // Creates a child of this control, owned by it, and returns it.
  template <typename T, typename... Args>
  T* Add(Args&&... args) {
    auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* raw = child.get();
    children_.push_back(std::move(child));
    return raw;
  }

  // The backend's peer; null while the control is not realised (tests of the logic).
  IControlPeer* Peer() const { return peer_; }
  void SetPeer(IControlPeer* peer) { peer_ = peer; }

 protected:
  // Tells the peer that the model changed from code.
  void Changed();

 private:
  const TControlKind kind_;
  const std::string name_;
  TControl* const parent_;
  std::vector<std::unique_ptr<TControl>> children_;
  TBounds bounds_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  TFontTraits font_;
  IControlPeer* peer_ = nullptr;
};

// A horizontal slider. A position set from code or by the user is clamped to Min..Max.
class TTrackBar : public TControl {
 public:
  TTrackBar(TControl* parent, std::string name, TBounds bounds, int min, int max, int position,
            bool ticks);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }
  bool Ticks() const { return ticks_; }  // one mark per step
  static constexpr int ThumbLength = 10;
  int Tag = 0;

  void UserSetPosition(int position) { SetPosition(position); }

 private:
  int min_;
  int max_;
  int position_;
  bool ticks_;
};

// A number field that cannot be typed into: the arrows and the Up and Down keys change it by
// Increment. A value outside MinValue..MaxValue is clamped, except that equal bounds mean no
// bounds at all.
class TCSpinEdit : public TControl {
 public:
  TCSpinEdit(TControl* parent, std::string name, TBounds bounds, int minValue, int maxValue,
             int increment, int value);
  int Value() const { return value_; }
  void SetValue(int value);
  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  int Increment() const { return increment_; }
  bool Bounded() const { return minValue_ != maxValue_; }

  // One step up (+1) or down (-1) by Increment; an unbounded field stops at the int range.
  void UserStep(int direction);

 private:
  int Clamp(long long value) const;
  int minValue_;
  int maxValue_;
  int increment_;
  int value_;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TControl* parent, std::string name, TBounds bounds, std::string caption, bool checked);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  int Tag = 0;
  TNotifyEvent OnClick;

  // A click toggles the box, then its click event runs. Ignored while disabled.
  void UserClick();

 private:
  bool checked_;
};

// Radio buttons that share a parent exclude each other: checking one unchecks the others.
class TRadioButton : public TControl {
 public:
  TRadioButton(TControl* parent, std::string name, TBounds bounds, std::string caption,
               bool checked);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void UserClick();

 private:
  bool checked_;
};

// A pick-only drop-down list. Its change event runs on a user's pick, never when code changes
// the items or the selection.
class TComboBox : public TControl {
 public:
  TComboBox(TControl* parent, std::string name, TBounds bounds, std::vector<std::string> items,
            int itemIndex);
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }  // -1 when nothing is picked
  void SetItemIndex(int index);                 // out of range: nothing picked
  std::string Text() const;                     // the picked item's text, or empty
  void ClearItems();                            // nothing picked afterwards
  void AddItems(const std::vector<std::string>& items);
  void InsertItem(int index, const std::string& item);  // the pick stays on its item
  void DeleteItem(int index);                           // a deleted pick leaves none
  int DropDownCount = 8;
  TNotifyEvent OnChange;

  void UserPick(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_;
};

class TEdit : public TControl {
 public:
  TEdit(TControl* parent, std::string name, TBounds bounds);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 private:
  std::string text_;
};

// Multi-line text. Invisible memos serve as fixed lists; a visible one is read-only text.
class TMemo : public TControl {
 public:
  TMemo(TControl* parent, std::string name, TBounds bounds, std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }
  bool ReadOnly = true;
  bool WordWrap = true;

 private:
  std::vector<std::string> lines_;
};

class TButton : public TControl {
 public:
  TButton(TControl* parent, std::string name, TBounds bounds, std::string caption);
  TNotifyEvent OnClick;
  // Runs the click event, as a click by the user does. Ignored while disabled.
  void Click();
};

class TLabel : public TControl {
 public:
  // A label sizes itself to its caption: only its place is given.
  TLabel(TControl* parent, std::string name, int left, int top, std::string caption);
};

class TGroupBox : public TControl {
 public:
  TGroupBox(TControl* parent, std::string name, TBounds bounds, std::string caption);
};

class TTabSheet : public TControl {
 public:
  TTabSheet(TControl* parent, std::string name, std::string caption);
};

// Pages are the page control's children, in order.
class TPageControl : public TControl {
 public:
  TPageControl(TControl* parent, std::string name, TBounds bounds);
  int ActivePageIndex() const { return activePage_; }
  void SetActivePageIndex(int index);

  void UserSelectPage(int index) { SetActivePageIndex(index); }

 private:
  int activePage_ = 0;
};

// A status bar with one panel.
class TStatusBar : public TControl {
 public:
  TStatusBar(TControl* parent, std::string name, TBounds bounds);
  const std::string& PanelText() const { return panelText_; }
  // Shows at the next repaint.
  void SetPanelText(const std::string& text);
  // Paints the panel at once, without waiting for the event loop.
  void Repaint();

 private:
  std::string panelText_;
};

// The backend's side of the window itself.
class IFormPeer : public IControlPeer {
 public:
  // Closes the window as its close box does: the backend asks the form's CloseQuery first.
  virtual void Close() = 0;
  // Lets the window process its pending events (paint, input, timers).
  virtual void ProcessMessages() = 0;
};

// The window: a fixed client area, centred on the desktop at start, with close and minimise
// but no maximise; its font and colour are the ones every control starts from.
class TForm : public TControl {
 public:
  TForm(std::string name, int clientWidth, int clientHeight, std::string caption);
  std::string FontFamily = "MS Sans Serif";
  int FontPixelSize = 11;

  // Whether the window may close now; a false answer keeps it open. The backend asks it when
  // the user closes the window, and Close asks it too.
  virtual bool CloseQuery() { return true; }
  // Closes the window (through CloseQuery). Without a backend only CloseQuery runs.
  void Close();
  // Processes pending window events; nothing without a backend.
  void ProcessMessages();

  IFormPeer* FormPeer() const { return formPeer_; }
  void SetFormPeer(IFormPeer* peer);

 private:
  IFormPeer* formPeer_ = nullptr;
};

}  // namespace zk
