/* Reads a top-level window of another Windows program the way Windows sees it, for the
 * real-window checks under wine (X shows neither a box's text nor the client area as such):
 *   zk-winprobe client TITLE   prints the client area's size, "WIDTHxHEIGHT"
 *   zk-winprobe texts TITLE    prints the texts of the window's static controls, one per line
 * TITLE is matched exactly. Output in UTF-8; exit code 1 when no such window exists. */
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

static void PrintUtf8(const wchar_t* text) {
  char buffer[8192];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
  if (n > 0) fwrite(buffer, 1, (size_t)(n - 1), stdout);
}

static BOOL CALLBACK PrintStaticText(HWND child, LPARAM unused) {
  (void)unused;
  wchar_t windowClass[64];
  wchar_t text[4096];
  if (!GetClassNameW(child, windowClass, 64) || _wcsicmp(windowClass, L"Static") != 0) return TRUE;
  /* An icon is a static control without text. */
  if (GetWindowTextW(child, text, 4096) > 0) {
    PrintUtf8(text);
    fputc('\n', stdout);
  }
  return TRUE;
}

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 3 || (wcscmp(argv[1], L"client") != 0 && wcscmp(argv[1], L"texts") != 0)) {
    fputs("usage: zk-winprobe client|texts TITLE\n", stderr);
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY); /* the texts' own line ends, not CRLF */
  HWND window = FindWindowW(NULL, argv[2]);
  if (!window) return 1;
  if (wcscmp(argv[1], L"client") == 0) {
    RECT client;
    if (!GetClientRect(window, &client)) return 1;
    printf("%ldx%ld\n", client.right - client.left, client.bottom - client.top);
  } else {
    EnumChildWindows(window, PrintStaticText, 0);
  }
  return fflush(stdout) == 0 ? 0 : 1;
}
