// The game's start on Windows: CreateProcess with the composed command line, then a wait that
// lets the window process its messages every 100 ms.

#include "platform/win32/winapi.h"

#include <vector>

#include "platform/process.h"
#include "platform/win32/wide.h"

namespace zk {

TProcessOutcome TSystemProcessRunner::RunAndWait(const TGameCommand& command,
                                                 const std::string& currentDirectory,
                                                 const std::function<void()>& poll) {
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof process);
  const std::wstring application = win32::Widen(command.Executable);
  // CreateProcessW may write into the command line: it gets a copy of its own.
  std::wstring line = win32::Widen(command.CommandLine);
  std::vector<wchar_t> lineBuffer(line.begin(), line.end());
  lineBuffer.push_back(L'\0');
  const std::wstring directory = win32::Widen(currentDirectory);
  if (!CreateProcessW(application.c_str(), lineBuffer.data(), nullptr, nullptr, FALSE,
                      CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process))
    return {false, win32::SystemErrorText(GetLastError())};
  CloseHandle(process.hThread);
  // Its result is not needed: a console program has no message queue and returns at once.
  WaitForInputIdle(process.hProcess, INFINITE);
  while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
    if (poll) poll();
  }
  CloseHandle(process.hProcess);
  return {true, {}};
}

}  // namespace zk
