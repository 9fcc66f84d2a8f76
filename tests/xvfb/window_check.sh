#!/usr/bin/env bash
# Real-window check: the built launcher placed in a game folder opens "Zeb-Kin Setup" with a
# 409 x 385 client area, and the same window when started with Qt's own options (the launcher
# takes no command line); placed where there is no game it shows "Duke Nukem 3D not found" and,
# once that is answered, ends with exit code 0.
#   window_check.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if ! xvfb_is_inner "$@"; then
  launcher=$1 standin=$2 demotool=$3 work=$4
  rm -rf "$work" && mkdir -p "$work"
  "$demotool" --standin "$standin" --launcher "$launcher" "$work/Duke3D" >/dev/null
  mkdir -p "$work/nogame/zebkin"
  cp "$launcher" "$work/nogame/zebkin/zebkin-setup"
  xvfb_run_inner "$work"
fi

work=$2
xvfb_real_display

start "$work/Duke3D/zebkin/zebkin-setup"
win=$(wait_window "Zeb-Kin Setup" 150 "$started")
sleep 1
size=$(xwininfo -id "$win" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$size" = "409x385" ] || fail "client area is $size, not 409x385"
import -window "$win" "$work/window.png" || fail "no screenshot"
stop "$started"
echo "window: Zeb-Kin Setup, $size"

# The program reads no command line: these must neither hide the window nor change it.
start "$work/Duke3D/zebkin/zebkin-setup" -platform offscreen -reverse -style windows
win=$(wait_window "Zeb-Kin Setup" 150 "$started")
sleep 1
import -window "$win" "$work/with-options.png" || fail "no screenshot"
stop "$started"
differ=$(compare -metric AE "$work/window.png" "$work/with-options.png" /dev/null 2>&1 || true)
[ "$differ" = 0 ] || fail "Qt's command-line options changed $differ pixels of the window"
echo "Qt's command-line options leave the window as it is"

start "$work/nogame/zebkin/zebkin-setup"
pid=$started
wait_window "Duke Nukem 3D not found" 150 "$pid" >/dev/null
[ -z "$(find_window 'Zeb-Kin Setup')" ] || fail "the window was shown"
sleep 0.5
xdotool key Return
code=0
wait_exit "$pid" 100 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "no game: box shown, exit code 0"
