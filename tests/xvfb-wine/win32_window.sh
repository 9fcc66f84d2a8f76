#!/usr/bin/env bash
# Real-window check of the Windows launcher under wine:
#  - below a folder without the game it shows only the "not found" box and ends with 0 when the
#    box is dismissed with Enter;
#  - in the demo folder, whose eDuke32.exe is a Windows stand-in of our own, its window appears
#    (the time it takes is printed) with the design's client size, LAUNCH! clicked with the mouse
#    starts the stand-in with the composed command line in the game folder while the four files
#    lie ready, none is left after it, and a close request ends the launcher with 0 once it has
#    saved lastsettings.zks beside itself.
#   win32_window.sh LAUNCHER WINDOWS_STANDIN DEMOTOOL PROBE WORKDIR WINEPREFIX
# LAUNCHER, DEMOTOOL and PROBE are Windows programs; PROBE is tests/xvfb-wine/winprobe.c.
set -euo pipefail
source "$(dirname "$0")/../xvfb/lib.sh"

if ! xvfb_is_inner "$@"; then
  rm -rf "$5" && mkdir -p "$5"
  export WINEPREFIX="$6" WINEDEBUG=-all
  ZK_XVFB_TIMEOUT=220 xvfb_run_inner "$@"
fi

launcher=$2 standin=$3 demotool=$4 probe=$5 work=$6
wine_ready

# The first run: no game in the folder above the launcher's.
nogame="$work/nogame/zebkin"
mkdir -p "$nogame"
cp "$launcher" "$nogame/zebkin-setup.exe"
start wine "$nogame/zebkin-setup.exe"
pid=$started
box=$(wait_window "Duke Nukem 3D not found" 300 "$pid")
text=$(wine "$probe" texts "Duke Nukem 3D not found") || fail "the box could not be read"
[ "$text" = $'sorry, this stuff must be in a\nsubdirectory of your Duke Path' ] ||
  fail "the box says: $text"
[ -z "$(find_window "Zeb-Kin Setup")" ] || fail "the launcher's window appeared without the game"
# No window manager gives the box the keyboard.
xdotool windowfocus "$box"
xdotool key Return
code=0
wait_exit "$pid" 100 || code=$?
[ "$code" = 0 ] || fail "without the game the launcher ended with $code"
[ "$(ls "$nogame")" = "zebkin-setup.exe" ] || fail "without the game it wrote: $(ls "$nogame")"

# The demo folder, laid out by the demo tool running under wine, and the launcher in it. Its
# name has blanks and letters beyond ASCII, which the launcher must pass on through the wide
# API; the demo tool takes its arguments in the ANSI code page, so it lays out under a plain
# name first.
game="$work/Düke Nukem 3D"
program="$game/zebkin"
wine "$demotool" --highres --standin "$(windows_path "$standin")" "$(windows_path "$work/demo")" \
  >/dev/null || fail "the demo tool could not lay out $work/demo"
mv "$work/demo" "$game"
cp "$launcher" "$program/zebkin-setup.exe"
[ ! -e "$program/lastsettings.zks" ] || fail "the demo folder comes with lastsettings.zks"
record="$work/record"
export ZK_STANDIN_RECORD="$record"

start_ms=$(date +%s%3N)
start wine "$program/zebkin-setup.exe"
pid=$started
win=""
for _ in $(seq 1500); do
  win=$(find_window "Zeb-Kin Setup")
  [ -n "$win" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the launcher ended before its window appeared"
  sleep 0.02
done
[ -n "$win" ] || fail "no window titled \"Zeb-Kin Setup\" within 30 s"
shown_ms=$(($(date +%s%3N) - start_ms))
echo "the window appeared $shown_ms ms after the start (warm prefix, wineserver running)"
# Machines differ; only a start far beyond the half second it takes here is a fault.
[ "$shown_ms" -le 5000 ] || fail "the window took $shown_ms ms to appear"

# Without a window manager the X window is the client area; Windows must agree.
size=$(xdotool getwindowgeometry "$win" | sed -n 's/^ *Geometry: //p')
[ "$size" = "409x385" ] || fail "the window's X size is $size"
size=$(wine "$probe" client "Zeb-Kin Setup") || fail "the window could not be read"
[ "$size" = "409x385" ] || fail "the window's client area is $size"

click_launch_and_wait "$win" "$record" "$game"
check_windows_game_record "$record" "$game"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"

send_close_request "$win"
code=0
wait_exit "$pid" 100 || code=$?
[ "$code" = 0 ] || fail "after a close request the launcher ended with $code"
[ -s "$program/lastsettings.zks" ] || fail "no lastsettings.zks in $program after closing"
echo "zebkin-setup.exe: the box without the game, the window, LAUNCH! and closing as expected"
rm -rf "$work"
