/* A Windows stand-in for the game, for runs through wine. Asked for a record (ZK_STANDIN_RECORD
 * names a folder, as a Linux path), it writes there what it was started with, exactly as
 * Windows handed it over, and ends:
 *   program.txt      its own path (GetModuleFileNameW)
 *   commandline.txt  the raw command line (GetCommandLineW)
 *   cwd.txt          the current directory
 *   files/NAME       a copy of each of the launcher's four files present
 *   complete         written last
 * All texts in UTF-8, without a line end. Otherwise it shows the command line in a box. */
#define WIN32_LEAN_AND_MEAN
#include <wchar.h>
#include <windows.h>

static const wchar_t* const kLauncherFiles[] = {L"Zeb-Kin.map", L"zebkin.con", L"zebkin.def",
                                                L"Zeb-Kin.grp"};

static BOOL WriteUtf8(const wchar_t* path, const wchar_t* text) {
  char buffer[32768];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
  if (n <= 0) return FALSE;
  HANDLE file =
      CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return FALSE;
  DWORD written = 0;
  BOOL ok = WriteFile(file, buffer, (DWORD)(n - 1), &written, NULL) && written == (DWORD)(n - 1);
  CloseHandle(file);
  return ok;
}

/* The record folder as wine sees it: the Linux root is drive Z:. */
static BOOL RecordFolder(wchar_t* folder, size_t size) {
  wchar_t linux_path[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"ZK_STANDIN_RECORD", linux_path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH || size < n + 3) return FALSE;
  if (linux_path[0] == L'/') {
    wcscpy(folder, L"Z:");
    wcscat(folder, linux_path);
  } else {
    wcscpy(folder, linux_path);
  }
  for (wchar_t* p = folder; *p; ++p)
    if (*p == L'/') *p = L'\\';
  return TRUE;
}

static BOOL Record(const wchar_t* folder) {
  wchar_t path[MAX_PATH * 2];
  wchar_t text[MAX_PATH];
  BOOL ok = TRUE;
  swprintf(path, MAX_PATH * 2, L"%ls\\complete", folder);
  DeleteFileW(path);
  swprintf(path, MAX_PATH * 2, L"%ls\\files", folder);
  CreateDirectoryW(folder, NULL);
  CreateDirectoryW(path, NULL);

  GetModuleFileNameW(NULL, text, MAX_PATH);
  swprintf(path, MAX_PATH * 2, L"%ls\\program.txt", folder);
  ok = WriteUtf8(path, text) && ok;
  swprintf(path, MAX_PATH * 2, L"%ls\\commandline.txt", folder);
  ok = WriteUtf8(path, GetCommandLineW()) && ok;
  GetCurrentDirectoryW(MAX_PATH, text);
  swprintf(path, MAX_PATH * 2, L"%ls\\cwd.txt", folder);
  ok = WriteUtf8(path, text) && ok;
  for (int i = 0; i < 4; ++i) {
    if (GetFileAttributesW(kLauncherFiles[i]) == INVALID_FILE_ATTRIBUTES) continue;
    swprintf(path, MAX_PATH * 2, L"%ls\\files\\%ls", folder, kLauncherFiles[i]);
    ok = CopyFileW(kLauncherFiles[i], path, FALSE) && ok;
  }
  swprintf(path, MAX_PATH * 2, L"%ls\\complete", folder);
  return WriteUtf8(path, L"") && ok;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show) {
  (void)instance, (void)previous, (void)arguments, (void)show;
  wchar_t folder[MAX_PATH + 3];
  if (RecordFolder(folder, MAX_PATH + 3)) return Record(folder) ? 0 : 1;
  wchar_t text[8192];
  wchar_t cwd[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, cwd);
  swprintf(text, 8192, L"The launcher started the game with this:\n\n%ls\n\nin %ls",
           GetCommandLineW(), cwd);
  MessageBoxW(NULL, text, L"Duke Nukem 3D (stand-in)", MB_OK | MB_ICONINFORMATION);
  return 0;
}
