# Shared by the real-window checks (tests/xvfb, tests/xvfb-wine); source it first. A check
# script runs twice: called by CTest it lays out its folder and runs itself again with "--inner"
# under a fresh Xvfb, bounded in time (xvfb_run_inner); the inner run drives the program.
# Everything it started is ended on every way out, and each failure says what was expected.

ZK_CHECK=$(basename "${BASH_SOURCE[1]:-$0}" .sh)
# -noreset: the server would otherwise reset when its last client leaves, and a program started
# right after the previous one ends could not connect.
ZK_SCREEN="-screen 0 800x600x24 -noreset"
zk_started=()

fail() {
  echo "$ZK_CHECK: FAIL: $*" >&2
  exit 1
}

zk_cleanup() {
  local pid
  for pid in "${zk_started[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [ -n "${ZK_WINE_USED:-}" ]; then wineserver -k 2>/dev/null || true; fi
}
trap zk_cleanup EXIT

# True in the inner run (first argument "--inner").
xvfb_is_inner() { [ "${1:-}" = "--inner" ]; }

# Runs this script again under its own Xvfb with "--inner" and the given arguments, within
# ZK_XVFB_TIMEOUT seconds (150 by default), so that a hung window never holds the test run.
xvfb_run_inner() {
  local script=${BASH_SOURCE[1]}
  # -a looks upward from -n for a free display; a start of its own keeps two checks that begin
  # at once on one machine from picking the same one.
  exec timeout -k 5 "${ZK_XVFB_TIMEOUT:-150}" xvfb-run -a -n $((100 + RANDOM % 800)) \
    -s "$ZK_SCREEN" bash "$script" --inner "$@"
}

# For the inner run: the real display, whatever the test run chose for everything else.
xvfb_real_display() { export QT_QPA_PLATFORM=xcb; }

# Starts a program in the background and remembers it for the cleanup; its pid is in $started.
start() {
  "$@" &
  started=$!
  zk_started+=("$started")
}

# Ends a program that start started, and waits for it.
stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local n=$1 i
  shift
  for i in $(seq "$n"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The id of the visible window titled exactly $1, or nothing.
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }

# Waits up to $2 tenths of a second (150 by default) for the window titled exactly $1 and
# prints its id; fails when none appears, or at once when process $3 (if given) has ended.
wait_window() {
  local name=$1 n=${2:-150} pid=${3:-} id="" i
  for i in $(seq "$n"); do
    id=$(find_window "$name")
    [ -n "$id" ] && break
    if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
      fail "the program ended before a window titled \"$name\" appeared"
    fi
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window titled \"$name\" within $((n / 10)) s"
  echo "$id"
}

# Waits up to $2 tenths of a second for process $1 to end and returns its exit code; fails
# when it is still running then.
wait_exit() {
  local pid=$1 n=$2 i code=0
  for i in $(seq "$n"); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "process $pid still running after $((n / 10)) s"
  wait "$pid" || code=$?
  return "$code"
}

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

# True when none of the four generated files is in game folder $1.
no_generated_files() {
  local f
  for f in Zeb-Kin.map zebkin.con zebkin.def Zeb-Kin.grp; do [ -e "$1/$f" ] && return 1; done
  return 0
}

# Clicks LAUNCH! in the launcher's window $1 with the mouse (without a window manager the X
# window is the client area, where LAUNCH! spans 0..409 x 328..366), then waits up to 60 s for
# the stand-in game's record in $2 to be complete and up to 15 s for game folder $3 to be rid of
# the four generated files.
click_launch_and_wait() {
  xdotool mousemove --window "$1" 100 347 click 1
  wait_for 600 test -e "$2/complete" || fail "the stand-in game recorded nothing"
  wait_for 150 no_generated_files "$3" || fail "generated files left after the game: $(ls "$3")"
}

# For the checks through wine, with WINEPREFIX and WINEDEBUG exported: makes the prefix ready
# (about 20 s when it is new) and keeps one wineserver for the whole run, so that each program
# starts in a fraction of a second rather than paying for a server of its own. The cleanup
# ends it.
wine_ready() {
  ZK_WINE_USED=1
  wineserver -p 60 2>/dev/null || true
  wineboot -i >/dev/null 2>&1 && return 0
  # A server of an earlier run may have been on its way out: wait for it, then start afresh.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p 60 2>/dev/null || true
  wineboot -i >/dev/null 2>&1 || fail "wineboot could not prepare the prefix $WINEPREFIX"
}

# An absolute Linux path as wine shows it to a Windows program: the Linux root is drive Z:.
windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }

# Checks the record of the Windows stand-in (tools/standin-win) started by LAUNCH! with the
# window's defaults from game folder $2: its raw command line, its current directory, and the
# launcher's four files present while it ran.
check_windows_game_record() {
  local record=$1 gamedir line seen
  gamedir=$(windows_path "$2")
  line=$(cat "$record/commandline.txt")
  local expected="\"$gamedir\\eDuke32.exe\" -map Zeb-Kin.map /hzebkin.def /s1 /xzebkin.con /q2"
  expected+=" /t2 /gZeb-Kin.grp"
  [ "$line" = "$expected" ] || fail "the game's command line was: $line (expected: $expected)"
  [ "$(cat "$record/cwd.txt")" = "$gamedir" ] ||
    fail "the game's current directory was $(cat "$record/cwd.txt")"
  seen=$(ls "$record/files" | sort | tr '\n' ' ')
  [ "$seen" = "Zeb-Kin.grp Zeb-Kin.map zebkin.con zebkin.def " ] || fail "the game saw: $seen"
}
