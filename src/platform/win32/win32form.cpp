#include "platform/win32/win32form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/wide.h"

namespace zk {

namespace {

const wchar_t* const kFormClass = L"ZebKinSetupForm";
const wchar_t* const kContainerClass = L"ZebKinSetupContainer";
constexpr int kSpinButtonWidth = 16;
constexpr int kComboListHeight = 240;
// Posted to the form once it shows: realise the next page that waits.
constexpr UINT kRealiseWaitingPage = WM_APP + 1;

// Whether a tab sheet is the one its page control shows.
bool IsActivePage(const TControl& page) {
  const auto& pages = page.Parent()->Children();
  const auto at = std::find_if(pages.begin(), pages.end(),
                               [&](const auto& candidate) { return candidate.get() == &page; });
  return static_cast<const TPageControl*>(page.Parent())->ActivePageIndex() ==
         static_cast<int>(at - pages.begin());
}

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

struct TWin32Form::TImpl {
  // One control's realisation: the model, its window (and, for a spin edit, the arrows).
  class TPeer : public IFormPeer {
   public:
    TPeer(TImpl& impl, TControl& model) : impl_(impl), model_(model) {}
    void Sync() override { impl_.Sync(*this); }
    void Repaint() override {
      InvalidateRect(window, nullptr, TRUE);
      UpdateWindow(window);
    }
    void Close() override { PostMessageW(impl_.window, WM_CLOSE, 0, 0); }
    void ProcessMessages() override { impl_.ProcessMessages(); }
    TControl& Model() const { return model_; }

    HWND window = nullptr;
    HWND arrows = nullptr;                // spin edits
    std::vector<std::string> shownItems;  // combo boxes: what the list holds now

   private:
    TImpl& impl_;
    TControl& model_;
  };

  explicit TImpl(TForm& f) : form(f) {}

  TForm& form;
  HWND window = nullptr;
  HFONT baseFont = nullptr;
  std::map<std::pair<bool, int>, HFONT> fonts;  // (bold, pixel size) -> font
  std::vector<std::unique_ptr<TPeer>> peers;
  std::map<HWND, TPeer*> byWindow;
  // Pages not shown at first get their controls once the window is up (or when picked): each
  // control costs a window of its own, and under wine a few milliseconds.
  std::vector<TPeer*> waitingPages;
  bool syncing = false;
  HBRUSH faceBrush = GetSysColorBrush(COLOR_BTNFACE);

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SpinEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

  void RegisterClasses();
  void CreateFonts();
  HFONT FontFor(const TControl& control);
  void CreateFormWindow();
  void Realise(TControl& control, HWND parent);
  void RealiseWaitingPage(TPeer& page);
  HWND CreateChild(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                   const TBounds& b, HWND parent, DWORD exStyle = 0);
  void PlacePages(TPeer& pageControl);
  SIZE TextSize(const TControl& control, HWND parent);
  void WidenToCaption(const TControl& control, HWND parent, TBounds& b);
  void OrderSiblings(const TControl& parent);
  void CollectFocusable(const TControl& control, std::vector<HWND>& chain);
  bool HandleKeyboard(const MSG& msg);
  void Sync(TPeer& peer);
  void SyncKind(TPeer& peer);
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void PaintGroupBox(HWND hwnd, const TControl& model);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void ProcessMessages();
  TPeer* PeerOf(HWND hwnd) const {
    const auto it = byWindow.find(hwnd);
    return it == byWindow.end() ? nullptr : it->second;
  }
};

void TWin32Form::TImpl::RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                    ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                    ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.lpfnWndProc = ContainerProc;
  wc.hIcon = nullptr;
  wc.lpszClassName = kContainerClass;
  RegisterClassExW(&wc);
}

// The design's font where the system has it, else the system's dialog font at the same height.
void TWin32Form::TImpl::CreateFonts() {
  LOGFONTW wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, win32::Widen(form.FontFamily).c_str(), LF_FACESIZE);
  bool present = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&present), 0);
  ReleaseDC(nullptr, dc);
  if (!present) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    lstrcpynW(wanted.lfFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
  }
  wanted.lfHeight = -form.FontPixelSize;
  wanted.lfWeight = FW_NORMAL;
  baseFont = CreateFontIndirectW(&wanted);
  fonts[{false, form.FontPixelSize}] = baseFont;
}

HFONT TWin32Form::TImpl::FontFor(const TControl& control) {
  const int size = control.Font().PixelSize ? control.Font().PixelSize : form.FontPixelSize;
  const auto key = std::make_pair(control.Font().Bold, size);
  const auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  LOGFONTW lf = {};
  GetObjectW(baseFont, sizeof lf, &lf);
  lf.lfHeight = -size;
  lf.lfWeight = control.Font().Bold ? FW_BOLD : FW_NORMAL;
  return fonts[key] = CreateFontIndirectW(&lf);
}

void TWin32Form::TImpl::CreateFormWindow() {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame = {0, 0, form.Bounds().Width, form.Bounds().Height};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT desk;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0);
  const int left = desk.left + (desk.right - desk.left - width) / 2;
  const int top = desk.top + (desk.bottom - desk.top - height) / 2;
  window = CreateWindowExW(0, kFormClass, win32::Widen(form.Caption()).c_str(), style, left, top,
                           width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  auto peer = std::make_unique<TPeer>(*this, form);
  peer->window = window;
  byWindow[window] = peer.get();
  form.SetFormPeer(peer.get());
  peers.push_back(std::move(peer));
}

HWND TWin32Form::TImpl::CreateChild(const wchar_t* windowClass, const std::wstring& text,
                                    DWORD style, const TBounds& b, HWND parent, DWORD exStyle) {
  HWND hwnd = CreateWindowExW(exStyle, windowClass, text.c_str(),
                              WS_CHILD | WS_CLIPSIBLINGS | style, b.Left, b.Top, b.Width, b.Height,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return hwnd;
}

void TWin32Form::TImpl::Realise(TControl& control, HWND parent) {
  auto peer = std::make_unique<TPeer>(*this, control);
  TPeer& p = *peer;
  const std::wstring caption = win32::Widen(control.Caption());
  TBounds b = control.Bounds();
  switch (control.Kind()) {
    case TControlKind::Form:
      return;
    case TControlKind::PageControl:
      p.window = CreateChild(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPCHILDREN, b, parent);
      break;
    case TControlKind::TabSheet:
    case TControlKind::GroupBox:
      // Pages and groups hold controls: a container of our own, which hands its children's
      // notifications on and paints a group's frame and caption.
      p.window =
          CreateChild(kContainerClass, caption, WS_CLIPSIBLINGS, b, parent, WS_EX_CONTROLPARENT);
      break;
    case TControlKind::Label: {
      const SIZE size = TextSize(control, parent);
      b.Width = size.cx;
      b.Height = size.cy;
      p.window = CreateChild(L"STATIC", caption, SS_LEFT | SS_NOPREFIX, b, parent);
      break;
    }
    case TControlKind::TrackBar: {
      const auto& t = static_cast<const TTrackBar&>(control);
      const DWORD ticks = t.Ticks() ? TBS_AUTOTICKS | TBS_BOTTOM : TBS_NOTICKS;
      p.window = CreateChild(TRACKBAR_CLASSW, L"", WS_TABSTOP | TBS_HORZ | TBS_FIXEDLENGTH | ticks,
                             b, parent);
      SendMessageW(p.window, TBM_SETRANGEMIN, FALSE, t.Min());
      SendMessageW(p.window, TBM_SETRANGEMAX, FALSE, t.Max());
      SendMessageW(p.window, TBM_SETTICFREQ, 1, 0);
      SendMessageW(p.window, TBM_SETPAGESIZE, 0, 1);
      SendMessageW(p.window, TBM_SETTHUMBLENGTH, TTrackBar::ThumbLength, 0);
      break;
    }
    case TControlKind::SpinEdit: {
      // The number is shown in an edit that takes no typing; the arrows beside it step it.
      TBounds edit = b;
      edit.Width = b.Width - kSpinButtonWidth;
      p.window = CreateChild(L"EDIT", L"", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, edit, parent,
                             WS_EX_CLIENTEDGE);
      SetWindowSubclass(p.window, SpinEditProc, 1, reinterpret_cast<DWORD_PTR>(&p));
      TBounds arrows = {b.Left + edit.Width, b.Top, kSpinButtonWidth, b.Height};
      p.arrows = CreateChild(UPDOWN_CLASSW, L"", UDS_ARROWKEYS, arrows, parent);
      SendMessageW(p.arrows, UDM_SETRANGE32, 0, 100);
      SendMessageW(p.arrows, UDM_SETPOS32, 0, 50);
      byWindow[p.arrows] = &p;
      break;
    }
    case TControlKind::CheckBox:
      WidenToCaption(control, parent, b);
      p.window = CreateChild(L"BUTTON", caption, WS_TABSTOP | BS_CHECKBOX, b, parent);
      break;
    case TControlKind::RadioButton:
      p.window = CreateChild(L"BUTTON", caption, WS_TABSTOP | BS_RADIOBUTTON, b, parent);
      break;
    case TControlKind::ComboBox: {
      TBounds withList = b;
      withList.Height = b.Height + kComboListHeight;
      p.window = CreateChild(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                             withList, parent);
      SendMessageW(p.window, CB_SETMINVISIBLE,
                   static_cast<WPARAM>(static_cast<TComboBox&>(control).DropDownCount), 0);
      break;
    }
    case TControlKind::Edit:
      p.window =
          CreateChild(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, b, parent, WS_EX_CLIENTEDGE);
      break;
    case TControlKind::Memo: {
      const auto& m = static_cast<const TMemo&>(control);
      std::string text;
      for (const std::string& line : m.Lines()) text += line + "\r\n";
      DWORD style = WS_TABSTOP | ES_MULTILINE;
      if (m.ReadOnly) style |= ES_READONLY;
      if (!m.WordWrap) style |= ES_AUTOHSCROLL;
      p.window = CreateChild(L"EDIT", win32::Widen(text), style, b, parent, WS_EX_CLIENTEDGE);
      break;
    }
    case TControlKind::Button: {
      // A caption in a colour of its own needs a button that draws itself.
      const bool coloured = control.Font().Color != kDefaultColor;
      p.window = CreateChild(L"BUTTON", caption,
                             WS_TABSTOP | (coloured ? BS_OWNERDRAW : BS_PUSHBUTTON), b, parent);
      break;
    }
    case TControlKind::StatusBar: {
      p.window = CreateChild(STATUSCLASSNAMEW, L"",
                             CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, b, parent);
      int right = -1;
      SendMessageW(p.window, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
      break;
    }
  }
  SendMessageW(p.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
  if (p.arrows) SendMessageW(p.arrows, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), 0);
  byWindow[p.window] = &p;
  control.SetPeer(&p);
  peers.push_back(std::move(peer));

  if (control.Kind() == TControlKind::PageControl) {
    for (const auto& page : control.Children()) {
      TCITEMW item = {};
      item.mask = TCIF_TEXT;
      std::wstring text = win32::Widen(page->Caption());
      item.pszText = text.data();
      SendMessageW(p.window, TCM_INSERTITEMW, SendMessageW(p.window, TCM_GETITEMCOUNT, 0, 0),
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  if (control.Kind() == TControlKind::TabSheet && !IsActivePage(control)) {
    waitingPages.push_back(&p);
  } else {
    for (const auto& child : control.Children()) Realise(*child, p.window);
    OrderSiblings(control);
  }
  if (control.Kind() == TControlKind::PageControl) PlacePages(p);
  const bool was = syncing;
  syncing = true;
  SyncKind(p);
  syncing = was;
}

void TWin32Form::TImpl::RealiseWaitingPage(TPeer& page) {
  const auto it = std::find(waitingPages.begin(), waitingPages.end(), &page);
  if (it == waitingPages.end()) return;
  waitingPages.erase(it);
  for (const auto& child : page.Model().Children()) Realise(*child, page.window);
  OrderSiblings(page.Model());
}

SIZE TWin32Form::TImpl::TextSize(const TControl& control, HWND parent) {
  const std::wstring caption = win32::Widen(control.Caption());
  HDC dc = GetDC(parent);
  HGDIOBJ old = SelectObject(dc, FontFor(control));
  SIZE size = {};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(parent, dc);
  return size;
}

// The design's widths were made for a narrower font: a check box whose caption would be cut
// grows to show it, as far as its parent leaves room.
void TWin32Form::TImpl::WidenToCaption(const TControl& control, HWND parent, TBounds& b) {
  const int box = GetSystemMetrics(SM_CXMENUCHECK) + 12;  // the box, its gap and a margin
  const int need = TextSize(control, parent).cx + box;
  const int room = control.Parent()->Bounds().Width - b.Left - 4;
  if (need > b.Width) b.Width = std::max(b.Width, std::min(need, room));
}

// Pages fill the tab control's display area.
void TWin32Form::TImpl::PlacePages(TPeer& pageControl) {
  RECT area;
  GetClientRect(pageControl.window, &area);
  TabCtrl_AdjustRect(pageControl.window, FALSE, &area);
  for (const auto& page : pageControl.Model().Children()) {
    auto* peer = static_cast<TPeer*>(page->Peer());
    MoveWindow(peer->window, area.left, area.top, area.right - area.left, area.bottom - area.top,
               FALSE);
  }
}

// Later siblings in design order lie above earlier ones, as the design's overlaps assume
// (LAUNCH! over "generate map", a combo box over the end of its radio button's caption).
void TWin32Form::TImpl::OrderSiblings(const TControl& parent) {
  HWND above = HWND_TOP;
  const auto& children = parent.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* peer = static_cast<TPeer*>((*it)->Peer());
    if (!peer) continue;
    for (HWND hwnd : {peer->arrows, peer->window}) {
      if (!hwnd) continue;
      SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      above = hwnd;
    }
  }
}

// The keyboard's focus order: depth first, siblings by TabOrder, then design order; only
// controls the user can reach (shown, enabled, on the page shown).
void TWin32Form::TImpl::CollectFocusable(const TControl& control, std::vector<HWND>& chain) {
  if (!control.Visible() || !control.Enabled()) return;
  const auto* peer = static_cast<const TPeer*>(control.Peer());
  if (peer && control.Kind() != TControlKind::Form && !IsWindowVisible(peer->window)) return;
  switch (control.Kind()) {
    case TControlKind::Label:
    case TControlKind::GroupBox:
    case TControlKind::TabSheet:
    case TControlKind::StatusBar:
    case TControlKind::Form:
      break;
    default:
      if (peer) chain.push_back(peer->window);
  }
  std::vector<const TControl*> children;
  for (const auto& child : control.Children()) children.push_back(child.get());
  std::stable_sort(children.begin(), children.end(),
                   [](const TControl* a, const TControl* b) { return a->TabOrder < b->TabOrder; });
  for (const TControl* child : children) CollectFocusable(*child, chain);
}

// Tab and Shift+Tab walk the focus order (the dialog manager would follow the z-order instead).
bool TWin32Form::TImpl::HandleKeyboard(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (!IsChild(window, msg.hwnd) && msg.hwnd != window) return false;
  std::vector<HWND> chain;
  CollectFocusable(form, chain);
  if (chain.empty()) return true;
  HWND focus = GetFocus();
  auto it = std::find_if(chain.begin(), chain.end(),
                         [&](HWND h) { return h == focus || IsChild(h, focus); });
  const bool back = GetKeyState(VK_SHIFT) < 0;
  std::size_t index = 0;
  if (it != chain.end()) {
    const std::size_t at = static_cast<std::size_t>(it - chain.begin());
    index = back ? (at + chain.size() - 1) % chain.size() : (at + 1) % chain.size();
  } else if (back) {
    index = chain.size() - 1;
  }
  SetFocus(chain[index]);
  return true;
}

void TWin32Form::TImpl::Sync(TPeer& peer) {
  const bool was = syncing;
  syncing = true;
  SyncKind(peer);
  syncing = was;
}

void TWin32Form::TImpl::SyncKind(TPeer& peer) {
  TControl& m = peer.Model();
  if (m.Kind() == TControlKind::Form) {
    SetWindowTextW(window, win32::Widen(m.Caption()).c_str());
    return;
  }
  EnableWindow(peer.window, m.Enabled());
  if (peer.arrows) EnableWindow(peer.arrows, m.Enabled());
  const bool pageHidden = m.Kind() == TControlKind::TabSheet && !IsActivePage(m);
  const int show = m.Visible() && !pageHidden ? SW_SHOWNA : SW_HIDE;
  if (m.Kind() == TControlKind::TabSheet && show == SW_SHOWNA) RealiseWaitingPage(peer);
  ShowWindow(peer.window, show);
  if (peer.arrows) ShowWindow(peer.arrows, show);
  switch (m.Kind()) {
    case TControlKind::Label:
    case TControlKind::CheckBox:
    case TControlKind::RadioButton:
    case TControlKind::Button:
    case TControlKind::GroupBox:
      SetWindowTextW(peer.window, win32::Widen(m.Caption()).c_str());
      break;
    default:
      break;
  }
  switch (m.Kind()) {
    case TControlKind::TrackBar:
      SendMessageW(peer.window, TBM_SETPOS, TRUE, static_cast<TTrackBar&>(m).Position());
      break;
    case TControlKind::SpinEdit:
      SetWindowTextW(peer.window, std::to_wstring(static_cast<TCSpinEdit&>(m).Value()).c_str());
      break;
    case TControlKind::CheckBox:
      SendMessageW(peer.window, BM_SETCHECK,
                   static_cast<TCheckBox&>(m).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case TControlKind::RadioButton:
      SendMessageW(peer.window, BM_SETCHECK,
                   static_cast<TRadioButton&>(m).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case TControlKind::ComboBox: {
      auto& combo = static_cast<TComboBox&>(m);
      if (peer.shownItems != combo.Items()) {
        SendMessageW(peer.window, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo.Items())
          SendMessageW(peer.window, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(win32::Widen(item).c_str()));
        peer.shownItems = combo.Items();
      }
      SendMessageW(peer.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
      break;
    }
    case TControlKind::Edit:
      SetWindowTextW(peer.window, win32::Widen(static_cast<TEdit&>(m).Text()).c_str());
      break;
    case TControlKind::StatusBar:
      SendMessageW(
          peer.window, SB_SETTEXTW, 0,
          reinterpret_cast<LPARAM>(win32::Widen(static_cast<TStatusBar&>(m).PanelText()).c_str()));
      break;
    case TControlKind::PageControl: {
      auto& pages = static_cast<TPageControl&>(m);
      SendMessageW(peer.window, TCM_SETCURSEL, static_cast<WPARAM>(pages.ActivePageIndex()), 0);
      for (const auto& page : m.Children())
        if (auto* pagePeer = static_cast<TPeer*>(page->Peer())) SyncKind(*pagePeer);
      break;
    }
    case TControlKind::GroupBox:
      InvalidateRect(peer.window, nullptr, TRUE);
      break;
    default:
      break;
  }
}

// A user's action on a control: the model takes it, and fires the design's event.
bool TWin32Form::TImpl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (syncing) return false;
  switch (message) {
    case WM_COMMAND: {
      TPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam));
      if (!peer) return false;
      TControl& m = peer->Model();
      const WORD code = HIWORD(wParam);
      if (code == BN_CLICKED) {
        if (m.Kind() == TControlKind::Button) static_cast<TButton&>(m).Click();
        if (m.Kind() == TControlKind::CheckBox) static_cast<TCheckBox&>(m).UserClick();
        if (m.Kind() == TControlKind::RadioButton) static_cast<TRadioButton&>(m).UserClick();
      } else if (code == CBN_SELCHANGE && m.Kind() == TControlKind::ComboBox) {
        const auto index = static_cast<int>(SendMessageW(peer->window, CB_GETCURSEL, 0, 0));
        static_cast<TComboBox&>(m).UserPick(index);
      } else {
        return false;
      }
      result = 0;
      return true;
    }
    case WM_HSCROLL: {
      TPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam));
      if (!peer || peer->Model().Kind() != TControlKind::TrackBar) return false;
      const auto position = static_cast<int>(SendMessageW(peer->window, TBM_GETPOS, 0, 0));
      static_cast<TTrackBar&>(peer->Model()).UserSetPosition(position);
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      TPeer* peer = PeerOf(header->hwndFrom);
      if (!peer) return false;
      if (header->code == TCN_SELCHANGE && peer->Model().Kind() == TControlKind::PageControl) {
        const auto index = static_cast<int>(SendMessageW(peer->window, TCM_GETCURSEL, 0, 0));
        static_cast<TPageControl&>(peer->Model()).UserSelectPage(index);
        result = 0;
        return true;
      }
      if (header->code == UDN_DELTAPOS && peer->Model().Kind() == TControlKind::SpinEdit) {
        const auto* delta = reinterpret_cast<const NMUPDOWN*>(lParam);
        static_cast<TCSpinEdit&>(peer->Model()).UserStep(delta->iDelta > 0 ? 1 : -1);
        result = TRUE;  // the arrows keep no position of their own
        return true;
      }
      return false;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_BUTTON || !PeerOf(item->hwndItem)) return false;
      DrawButton(*item);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      TPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam));
      // The read-only memo reads as text on paper; every other control sits on the face.
      if (peer && peer->Model().Kind() == TControlKind::Memo) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      if (peer && peer->Model().Font().Color != kDefaultColor)
        SetTextColor(dc, ToColorRef(peer->Model().Font().Color));
      result = reinterpret_cast<LRESULT>(faceBrush);
      return true;
    }
    default:
      return false;
  }
}

void TWin32Form::TImpl::DrawButton(const DRAWITEMSTRUCT& item) {
  TPeer* peer = PeerOf(item.hwndItem);
  RECT rc = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const std::wstring text = win32::Widen(peer->Model().Caption());
  SetBkMode(item.hDC, TRANSPARENT);
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  SetTextColor(item.hDC,
               enabled ? ToColorRef(peer->Model().Font().Color) : GetSysColor(COLOR_GRAYTEXT));
  HGDIOBJ old = SelectObject(item.hDC, FontFor(peer->Model()));
  if (pushed) OffsetRect(&rc, 1, 1);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &rc,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, old);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

// A group's frame runs through the middle of its caption's line, the caption bold red on it.
void TWin32Form::TImpl::PaintGroupBox(HWND hwnd, const TControl& model) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, faceBrush);
  HGDIOBJ old = SelectObject(dc, FontFor(model));
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  RECT frame = rc;
  frame.top = tm.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring caption = win32::Widen(model.Caption());
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, model.Font().Color != kDefaultColor ? ToColorRef(model.Font().Color)
                                                       : GetSysColor(COLOR_BTNTEXT));
  TextOutW(dc, 8, 0, caption.c_str(), static_cast<int>(caption.size()));
  SelectObject(dc, old);
  EndPaint(hwnd, &ps);
}

void TWin32Form::TImpl::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop in Run must still see it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (HandleKeyboard(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK TWin32Form::TImpl::FormProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* impl = reinterpret_cast<TImpl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!impl) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  switch (message) {
    case WM_CLOSE:
      if (impl->form.CloseQuery()) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case kRealiseWaitingPage:
      if (!impl->waitingPages.empty()) {
        impl->RealiseWaitingPage(*impl->waitingPages.front());
        if (!impl->waitingPages.empty()) PostMessageW(hwnd, kRealiseWaitingPage, 0, 0);
      }
      return 0;
    default:
      if (impl->Dispatch(message, wParam, lParam, result)) return result;
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK TWin32Form::TImpl::ContainerProc(HWND hwnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  auto* impl = reinterpret_cast<TImpl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!impl) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (impl->Dispatch(message, wParam, lParam, result)) return result;
  if (message == WM_PAINT) {
    TPeer* peer = impl->PeerOf(hwnd);
    if (peer && peer->Model().Kind() == TControlKind::GroupBox) {
      impl->PaintGroupBox(hwnd, peer->Model());
      return 0;
    }
  }
  if (message == WM_ERASEBKGND) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(reinterpret_cast<HDC>(wParam), &rc, impl->faceBrush);
    return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The spin edit's number takes no typing: only the Up and Down keys step it.
LRESULT CALLBACK TWin32Form::TImpl::SpinEditProc(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* peer = reinterpret_cast<TPeer*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        static_cast<TCSpinEdit&>(peer->Model()).UserStep(wParam == VK_UP ? 1 : -1);
        return 0;
      }
      if (wParam == VK_DELETE || wParam == VK_PRIOR || wParam == VK_NEXT) return 0;
      break;
    case WM_CHAR:
      if (wParam == VK_TAB || wParam == VK_RETURN || wParam == VK_ESCAPE) break;
      return 0;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_MOUSEWHEEL:
      return 0;
    case WM_GETDLGCODE:
      return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTARROWS;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

TWin32Form::TWin32Form(TForm& form) : impl_(std::make_unique<TImpl>(form)) {
  impl_->RegisterClasses();
  impl_->CreateFonts();
  impl_->CreateFormWindow();
  for (const auto& child : form.Children()) impl_->Realise(*child, impl_->window);
  impl_->OrderSiblings(form);
}

TWin32Form::~TWin32Form() {
  for (const auto& peer : impl_->peers) peer->Model().SetPeer(nullptr);
  impl_->form.SetFormPeer(nullptr);
  if (IsWindow(impl_->window)) DestroyWindow(impl_->window);
  for (const auto& [key, font] : impl_->fonts) DeleteObject(font);
}

HWND TWin32Form::Window() const {
  return impl_->window;
}

HWND TWin32Form::WindowOf(const TControl* control) const {
  auto* peer = static_cast<TImpl::TPeer*>(control->Peer());
  return peer ? peer->window : nullptr;
}

void TWin32Form::Show() {
  ShowWindow(impl_->window, SW_SHOWNORMAL);
  std::vector<HWND> chain;
  impl_->CollectFocusable(impl_->form, chain);
  if (!chain.empty()) SetFocus(chain.front());
  UpdateWindow(impl_->window);
  PostMessageW(impl_->window, kRealiseWaitingPage, 0, 0);
}

int TWin32Form::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (impl_->HandleKeyboard(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace zk
