#include "platform/controls.h"

#include <algorithm>
#include <climits>

namespace zk {

TControl::TControl(TControlKind kind, std::string name, TControl* parent, TBounds bounds,
                   std::string caption)
    : kind_(kind),
      name_(std::move(name)),
      parent_(parent),
      bounds_(bounds),
      caption_(std::move(caption)) {}

TControl::~TControl() = default;

void TControl::Changed() {
  if (peer_) peer_->Sync();
}

void TControl::SetBounds(const TBounds& bounds) {
  bounds_ = bounds;
  Changed();
}

void TControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void TControl::SetFont(const TFontTraits& font) {
  font_ = font;
  Changed();
}

TTrackBar::TTrackBar(TControl* parent, std::string name, TBounds bounds, int min, int max,
                     int position, bool ticks)
    : TControl(TControlKind::TrackBar, std::move(name), parent, bounds),
      min_(min),
      max_(max),
      position_(std::clamp(position, min, max)),
      ticks_(ticks) {}

void TTrackBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  Changed();
}

TCSpinEdit::TCSpinEdit(TControl* parent, std::string name, TBounds bounds, int minValue,
                       int maxValue, int increment, int value)
    : TControl(TControlKind::SpinEdit, std::move(name), parent, bounds),
      minValue_(minValue),
      maxValue_(maxValue),
      increment_(increment),
      value_(Clamp(value)) {}

int TCSpinEdit::Clamp(long long value) const {
  if (Bounded()) return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void TCSpinEdit::SetValue(int value) {
  value_ = Clamp(value);
  Changed();
}

void TCSpinEdit::UserStep(int direction) {
  if (!Enabled()) return;
  SetValue(Clamp(static_cast<long long>(value_) + static_cast<long long>(direction) * increment_));
}

TCheckBox::TCheckBox(TControl* parent, std::string name, TBounds bounds, std::string caption,
                     bool checked)
    : TControl(TControlKind::CheckBox, std::move(name), parent, bounds, std::move(caption)),
      checked_(checked) {}

void TCheckBox::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void TCheckBox::UserClick() {
  if (!Enabled()) return;
  SetChecked(!checked_);
  if (OnClick) OnClick(this);
}

TRadioButton::TRadioButton(TControl* parent, std::string name, TBounds bounds, std::string caption,
                           bool checked)
    : TControl(TControlKind::RadioButton, std::move(name), parent, bounds, std::move(caption)),
      checked_(checked) {}

void TRadioButton::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
  if (!checked || !Parent()) return;
  for (const auto& sibling : Parent()->Children()) {
    if (sibling.get() == this || sibling->Kind() != TControlKind::RadioButton) continue;
    auto* other = static_cast<TRadioButton*>(sibling.get());
    if (other->checked_) {
      other->checked_ = false;
      other->Changed();
    }
  }
}

void TRadioButton::UserClick() {
  if (Enabled()) SetChecked(true);
}

TComboBox::TComboBox(TControl* parent, std::string name, TBounds bounds,
                     std::vector<std::string> items, int itemIndex)
    : TControl(TControlKind::ComboBox, std::move(name), parent, bounds),
      items_(std::move(items)),
      itemIndex_(-1) {
  if (itemIndex >= 0 && itemIndex < static_cast<int>(items_.size())) itemIndex_ = itemIndex;
}

void TComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  Changed();
}

std::string TComboBox::Text() const {
  return itemIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(itemIndex_)];
}

void TComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  Changed();
}

void TComboBox::AddItems(const std::vector<std::string>& items) {
  items_.insert(items_.end(), items.begin(), items.end());
  Changed();
}

void TComboBox::InsertItem(int index, const std::string& item) {
  index = std::clamp(index, 0, static_cast<int>(items_.size()));
  items_.insert(items_.begin() + index, item);
  if (itemIndex_ >= index) ++itemIndex_;
  Changed();
}

void TComboBox::DeleteItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  Changed();
}

void TComboBox::UserPick(int index) {
  if (!Enabled() || index < 0 || index >= static_cast<int>(items_.size())) return;
  SetItemIndex(index);
  if (OnChange) OnChange(this);
}

TEdit::TEdit(TControl* parent, std::string name, TBounds bounds)
    : TControl(TControlKind::Edit, std::move(name), parent, bounds) {}

void TEdit::SetText(const std::string& text) {
  text_ = text;
  Changed();
}

TMemo::TMemo(TControl* parent, std::string name, TBounds bounds, std::vector<std::string> lines)
    : TControl(TControlKind::Memo, std::move(name), parent, bounds), lines_(std::move(lines)) {}

TButton::TButton(TControl* parent, std::string name, TBounds bounds, std::string caption)
    : TControl(TControlKind::Button, std::move(name), parent, bounds, std::move(caption)) {}

void TButton::Click() {
  if (Enabled() && OnClick) OnClick(this);
}

TLabel::TLabel(TControl* parent, std::string name, int left, int top, std::string caption)
    : TControl(TControlKind::Label, std::move(name), parent, {left, top, 0, 0},
               std::move(caption)) {}

TGroupBox::TGroupBox(TControl* parent, std::string name, TBounds bounds, std::string caption)
    : TControl(TControlKind::GroupBox, std::move(name), parent, bounds, std::move(caption)) {}

TTabSheet::TTabSheet(TControl* parent, std::string name, std::string caption)
    : TControl(TControlKind::TabSheet, std::move(name), parent, {}, std::move(caption)) {}

TPageControl::TPageControl(TControl* parent, std::string name, TBounds bounds)
    : TControl(TControlKind::PageControl, std::move(name), parent, bounds) {}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(Children().size())) return;
  activePage_ = index;
  Changed();
}

TStatusBar::TStatusBar(TControl* parent, std::string name, TBounds bounds)
    : TControl(TControlKind::StatusBar, std::move(name), parent, bounds) {}

void TStatusBar::SetPanelText(const std::string& text) {
  panelText_ = text;
  Changed();
}

void TStatusBar::Repaint() {
  if (Peer()) Peer()->Repaint();
}

TForm::TForm(std::string name, int clientWidth, int clientHeight, std::string caption)
    : TControl(TControlKind::Form, std::move(name), nullptr, {0, 0, clientWidth, clientHeight},
               std::move(caption)) {}

void TForm::SetFormPeer(IFormPeer* peer) {
  formPeer_ = peer;
  SetPeer(peer);
}

void TForm::Close() {
  if (formPeer_)
    formPeer_->Close();
  else
    CloseQuery();
}

void TForm::ProcessMessages() {
  if (formPeer_) formPeer_->ProcessMessages();
}

}  // namespace zk
