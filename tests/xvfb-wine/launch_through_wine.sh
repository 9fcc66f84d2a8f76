#!/usr/bin/env bash
# Real-window check through wine: LAUNCH! clicked with the mouse on the demo folder whose
# eDuke32.exe is a Windows program of our own. The launcher starts it through wine; it records
# its raw command line and its current directory as Windows gave them, and the launcher's files
# present while it ran. Afterwards none of them is left.
#   launch_through_wine.sh LAUNCHER WINDOWS_STANDIN DEMOTOOL WORKDIR WINEPREFIX
set -euo pipefail
source "$(dirname "$0")/../xvfb/lib.sh"

if ! xvfb_is_inner "$@"; then
  launcher=$1 standin=$2 demotool=$3 work=$4 prefix=$5
  rm -rf "$work" && mkdir -p "$work"
  "$demotool" --highres --standin "$standin" --launcher "$launcher" "$work/Duke3D" >/dev/null
  export WINEPREFIX="$prefix" WINEDEBUG=-all
  ZK_XVFB_TIMEOUT=220 xvfb_run_inner "$work"
fi

work=$2
game="$work/Duke3D"
record="$work/record"
xvfb_real_display
export ZK_STANDIN_RECORD="$record"
# A new prefix takes about 20 s to make; the launch itself must not pay for it.
wine_ready
start "$game/zebkin/zebkin-setup"
pid=$started
win=$(wait_window "Zeb-Kin Setup" 150 "$pid")
sleep 1
click_launch_and_wait "$win" "$record" "$game"
check_windows_game_record "$record" "$game"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"
echo "LAUNCH! through wine: the game got $(cat "$record/commandline.txt")"
rm -rf "$work"
