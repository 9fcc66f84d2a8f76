#!/usr/bin/env bash
# Real window: closing the launcher writes lastsettings.zks, and the next start restores it; a
# lastsettings.zks the launcher cannot read ends the start after the report, and keeps its bytes.
# Called as: bash settings_close.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail

if [ "${1:-}" != "--inner" ]; then
  launcher=$1 standin=$2 demotool=$3 workdir=$4
  rm -rf "$workdir"
  mkdir -p "$workdir"
  "$demotool" --standin "$standin" --launcher "$launcher" "$workdir/Duke3D" >/dev/null
  # Bounded, so a hung window can never hold the test run; xvfb-run ends its own server.
  exec timeout -k 5 150 xvfb-run -a bash "$0" --inner "$workdir"
fi

workdir=$2
launcher="$workdir/Duke3D/zebkin/zebkin-setup"
last="$workdir/Duke3D/zebkin/lastsettings.zks"
export QT_QPA_PLATFORM=xcb  # the test run may have chosen offscreen for everything else
pid=""

fail() {
  echo "settings_close: $*" >&2
  exit 1
}
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Without a window manager nothing turns a key or a click into a close request, and xdotool's
# windowclose destroys the window behind the program's back. What a close box sends is a
# WM_DELETE_WINDOW client message; send that one.
send_close_request() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.POINTER(Event)]
display = x.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not x.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("cannot send the close request")
x.XFlush(display)
x.XCloseDisplay(display)
PY
}

# Starts the launcher, waits for its window, asks it to close and waits for the program to end.
run_and_close() {
  "$launcher" &
  pid=$!
  local window="" i
  for i in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Zeb-Kin Setup$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended before its window appeared"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled \"Zeb-Kin Setup\""
  xprop -id "$window" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
    fail "the window does not take close requests"
  send_close_request "$window" || fail "could not send the close request"
  for i in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the window did not close"
  wait "$pid" || fail "the launcher ended with an error"
  pid=""
}

# The window titled exactly $1, if one is visible.
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }

# Starts the launcher as a user who may not read lastsettings.zks (root reads anything: run as
# nobody then), expects the report titled "Zeb-Kin" and no main window, answers the report and
# waits for the program to end.
run_unreadable() {
  chmod 200 "$last"
  if [ "$(id -u)" = 0 ]; then
    # nobody must reach the launcher's folder and the display's key.
    local dir="$workdir/Duke3D/zebkin"
    while [ "$dir" != / ]; do chmod o+x "$dir"; dir=$(dirname "$dir"); done
    cp "$XAUTHORITY" "$workdir/xauth" && chmod 644 "$workdir/xauth"
    XAUTHORITY="$workdir/xauth" HOME=/nonexistent XDG_RUNTIME_DIR= \
      setpriv --reuid=65534 --regid=65534 --clear-groups "$launcher" &
  else
    "$launcher" &
  fi
  pid=$!
  local report="" i
  for i in $(seq 200); do
    report=$(find_window Zeb-Kin)
    [ -n "$report" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended without a report"
    sleep 0.1
  done
  [ -n "$report" ] || fail "no report titled \"Zeb-Kin\" for the unreadable lastsettings.zks"
  [ -z "$(find_window 'Zeb-Kin Setup')" ] || fail "the window was shown before the report"
  send_close_request "$report" || fail "could not answer the report"
  for i in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    [ -z "$(find_window 'Zeb-Kin Setup')" ] || fail "the window opened after the report"
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the launcher did not end after the report"
  wait "$pid" || fail "the launcher ended with an error after the report"
  pid=""
  chmod 644 "$last"
}

# Line N of the last-used file, without its CR.
line() { sed -n "$1p" "$last" | tr -d '\r'; }

expected_defaults="10 200 1 1 1 1 1 1 1 1 1 1 1 125 75 110 150 100 130 48 1 10 48 1 10 48 1 10 48 1 10 48 1 10 64 1 48 1 10"

[ -e "$last" ] && fail "lastsettings.zks exists before the first start"
run_and_close
[ -f "$last" ] || fail "closing did not write lastsettings.zks"
[ "$(wc -l <"$last")" -eq 39 ] || fail "lastsettings.zks has $(wc -l <"$last") lines, not 39"
[ "$(grep -c $'\r$' "$last")" -eq 39 ] || fail "not every line ends in CR LF"
[ "$(tr -d '\r' <"$last" | tr '\n' ' ' | sed 's/ $//')" = "$expected_defaults" ] ||
  fail "lastsettings.zks does not hold the designed defaults"

# Respawn time 123, TrackBar12 stored as 5 (position 43): a start that restores them writes them
# back unchanged at the next close; one that does not writes the defaults again.
sed -i -e '1s/^10\r$/123\r/' -e '20s/^48\r$/5\r/' "$last"
[ "$(line 1)" = 123 ] && [ "$(line 20)" = 5 ] || fail "could not edit lastsettings.zks"
run_and_close
[ "$(line 1)" = 123 ] || fail "respawn time not restored: line 1 is $(line 1)"
[ "$(line 20)" = 5 ] || fail "pistol shooting rate not restored: line 20 is $(line 20)"
[ "$(wc -l <"$last")" -eq 39 ] || fail "the second close wrote $(wc -l <"$last") lines"

before=$(sha256sum <"$last")
run_unreadable
[ "$(sha256sum <"$last")" = "$before" ] || fail "the unreadable lastsettings.zks was overwritten"
echo "settings_close: lastsettings.zks written at close and restored at the next start;" \
  "an unreadable one ends the start and is kept"
