#!/usr/bin/env bash
# Real-window check: the built launcher placed in a game folder opens "Zeb-Kin Setup" with a
# 409 x 385 client area; Qt's own options on its command line (-platform, -reverse) change
# nothing; placed where there is no game it shows "Duke Nukem 3D not found" and, once that is
# answered, ends with exit code 0.
#   window_check.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail
launcher=$1 standin=$2 demotool=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
"$demotool" --standin "$standin" --launcher "$launcher" "$work/Duke3D" >/dev/null
mkdir -p "$work/nogame/zebkin"
cp "$launcher" "$work/nogame/zebkin/zebkin-setup"

inner="$work/inner.sh"
cat >"$inner" <<'INNER'
set -u
work=$1
unset QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
wait_window() {  # name -> window id, within 15 s
  local id=""
  for _ in $(seq 150); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

"$work/Duke3D/zebkin/zebkin-setup" & pid=$!
win=$(wait_window "Zeb-Kin Setup")
[ -n "$win" ] || fail "no window titled Zeb-Kin Setup"
sleep 1
size=$(xwininfo -id "$win" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$size" = "409x385" ] || fail "client area is $size, not 409x385"
import -window root "$work/window.png" || fail "no screenshot"
import -window "$win" "$work/plain.png" || fail "no screenshot"
kill "$pid"; wait "$pid" 2>/dev/null
echo "window: Zeb-Kin Setup, $size"

# The program reads no command line: these must neither hide the window nor mirror it.
"$work/Duke3D/zebkin/zebkin-setup" -platform offscreen -reverse & pid=$!
win=$(wait_window "Zeb-Kin Setup")
[ -n "$win" ] || fail "-platform offscreen took the window off the display"
sleep 1
import -window "$win" "$work/options.png" || fail "no screenshot"
kill "$pid"; wait "$pid" 2>/dev/null
differ=$(compare -metric AE "$work/plain.png" "$work/options.png" null: 2>&1) || true
[ "$differ" = 0 ] || fail "-reverse changed $differ pixels of the window"
echo "Qt's options on the command line: ignored"

"$work/nogame/zebkin/zebkin-setup" & pid=$!
box=$(wait_window "Duke Nukem 3D not found")
[ -n "$box" ] || fail "no box titled Duke Nukem 3D not found"
[ -z "$(xdotool search --name '^Zeb-Kin Setup$' 2>/dev/null)" ] || fail "the window was shown"
sleep 0.5
xdotool key Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "still running after the box was answered"
wait "$pid"; code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "no game: box shown, exit code 0"
INNER
xvfb-run -a -s "-screen 0 800x600x24" bash "$inner" "$work"
