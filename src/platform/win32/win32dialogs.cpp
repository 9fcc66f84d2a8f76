#include "platform/win32/win32dialogs.h"

#include <commdlg.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/wide.h"

namespace zk {

namespace {

UINT IconFlag(TMsgIcon icon) {
  switch (icon) {
    case TMsgIcon::Stop:
      return MB_ICONSTOP;
    case TMsgIcon::Warning:
      return MB_ICONWARNING;
    case TMsgIcon::Information:
      return MB_ICONINFORMATION;
    case TMsgIcon::Question:
      return MB_ICONQUESTION;
    case TMsgIcon::None:
      break;
  }
  return 0;
}

// An in-memory dialog template: a DLGTEMPLATE, then its items, each aligned to a DWORD.
class TDialogTemplate {
 public:
  TDialogTemplate(const std::wstring& caption, short width, short height, WORD items) {
    Put32(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Put32(0);  // extended style
    Put16(items);
    Put16(0), Put16(0), Put16(static_cast<WORD>(width)), Put16(static_cast<WORD>(height));
    Put16(0), Put16(0);  // no menu, the default class
    PutText(caption);
    Put16(8);  // point size of the dialog's font
    PutText(L"MS Shell Dlg");
  }
  // A control of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static).
  void Add(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy,
           const std::wstring& text) {
    while (bytes_.size() % 4) bytes_.push_back(0);
    Put32(style | WS_CHILD | WS_VISIBLE);
    Put32(0);
    Put16(static_cast<WORD>(x)), Put16(static_cast<WORD>(y));
    Put16(static_cast<WORD>(cx)), Put16(static_cast<WORD>(cy));
    Put16(id);
    Put16(0xFFFF), Put16(classAtom);
    PutText(text);
    Put16(0);  // no creation data
  }
  const DLGTEMPLATE* Get() {
    // The buffer must start on a DWORD boundary: std::vector<DWORD> storage guarantees it.
    aligned_.assign((bytes_.size() + 3) / 4, 0);
    std::memcpy(aligned_.data(), bytes_.data(), bytes_.size());
    return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
  }

 private:
  void Put16(WORD v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Put32(DWORD v) {
    Put16(static_cast<WORD>(v));
    Put16(static_cast<WORD>(v >> 16));
  }
  void PutText(const std::wstring& text) {
    for (wchar_t c : text) Put16(static_cast<WORD>(c));
    Put16(0);
  }
  std::vector<std::uint8_t> bytes_;
  std::vector<DWORD> aligned_;
};

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct TQueryState {
  std::wstring value;
};

INT_PTR CALLBACK QueryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      auto* state = reinterpret_cast<TQueryState*>(lParam);
      SetDlgItemTextW(dialog, kEditId, state->value.c_str());
      SendDlgItemMessageW(dialog, kEditId, EM_SETSEL, 0, -1);
      return TRUE;  // the edit, first in the focus order, gets the focus
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* state = reinterpret_cast<TQueryState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const int n = GetWindowTextLengthW(GetDlgItem(dialog, kEditId));
        std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
        GetDlgItemTextW(dialog, kEditId, text.data(), n + 1);
        text.resize(static_cast<std::size_t>(n));
        state->value = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

TModalResult TWin32Dialogs::MessageBox(const std::string& text, const std::string& title,
                                       TMsgIcon icon, TMsgButtons buttons) {
  const UINT flags = IconFlag(icon) | (buttons == TMsgButtons::YesNo ? MB_YESNO : MB_OK);
  const int answer =
      ::MessageBoxW(owner_, win32::Widen(text).c_str(), win32::Widen(title).c_str(), flags);
  if (buttons == TMsgButtons::YesNo) return answer == IDYES ? TModalResult::Yes : TModalResult::No;
  return TModalResult::Ok;
}

bool TWin32Dialogs::InputQuery(const std::string& caption, const std::string& prompt,
                               std::string& value) {
  TDialogTemplate dialog(win32::Widen(caption), 180, 63, 4);
  dialog.Add(0x0081, kEditId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 20, 164, 12, L"");
  dialog.Add(0x0082, kPromptId, SS_LEFT | SS_NOPREFIX, 8, 6, 164, 10, win32::Widen(prompt));
  dialog.Add(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 46, 40, 50, 14, L"OK");
  dialog.Add(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 102, 40, 50, 14, L"Cancel");
  TQueryState state{win32::Widen(value)};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner_,
                                                 QueryProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return false;
  value = win32::Narrow(state.value);
  return true;
}

bool TWin32Dialogs::OpenFile(const TOpenDialogSpec& spec, std::string& fileName) {
  // "Description|pattern|..." becomes "Description\0pattern\0...\0\0".
  std::wstring filter = win32::Widen(spec.Filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring defaultExt = win32::Widen(spec.DefaultExt);
  OPENFILENAMEW ofn;
  ZeroMemory(&ofn, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (spec.HideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (spec.PathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (spec.FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (spec.EnableSizing) ofn.Flags |= OFN_ENABLESIZING;
  if (spec.DontAddToRecent) ofn.Flags |= OFN_DONTADDTORECENT;
  if (!GetOpenFileNameW(&ofn)) return false;
  fileName = win32::Narrow(file.data());
  return true;
}

}  // namespace zk
