// Program entry on Windows: works out where the launcher lives and hands that to the window.

#include "platform/win32/winapi.h"

#include <clocale>
#include <exception>
#include <string>

#include "platform/application.h"
#include "platform/process.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32dialogs.h"
#include "platform/win32/win32form.h"
#include "ui/mainform.h"

namespace {

// The executable's full path, however long.
std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return zk::win32::Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

// The program reads nothing from its command line.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::setlocale(LC_ALL, "");
  zk::TWin32Dialogs dialogs;
  zk::TSystemProcessRunner runner;
  try {
    zk::TForm1 form(ExecutablePath(), dialogs, runner);
    if (form.TerminateRequested()) return 0;
    zk::TWin32Form view(form);
    dialogs.SetOwner(view.Window());
    view.Show();
    view.Run();
  } catch (...) {
    dialogs.SetOwner(nullptr);  // the window is gone by now
    zk::ReportException(dialogs, std::current_exception());
  }
  return 0;
}
