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
ZK_WINE_USED=1  # the cleanup ends the wineserver too

# A new prefix takes about 20 s to make; the launch itself must not pay for it.
wineboot -i >/dev/null 2>&1 || fail "wineboot could not prepare the prefix"
start "$game/zebkin/zebkin-setup"
pid=$started
win=$(wait_window "Zeb-Kin Setup" 150 "$pid")
sleep 1
xdotool mousemove --window "$win" 100 347 click 1
wait_for 600 test -e "$record/complete" || fail "the Windows stand-in recorded nothing"
wait_for 150 no_generated_files "$game" || fail "generated files left after the game: $(ls "$game")"

windir="Z:$(echo "$game" | tr / '\\')"
line=$(cat "$record/commandline.txt")
switches=" -map Zeb-Kin.map /hzebkin.def /s1 /xzebkin.con /q2 /t2 /gZeb-Kin.grp"
[ "${line%"$switches"}" != "$line" ] || fail "command line was: $line"
[ "${line%"$switches"}" = "\"$windir\\eDuke32.exe\"" ] || fail "program part of: $line"
[ "$(cat "$record/cwd.txt")" = "$windir" ] || fail "current directory was $(cat "$record/cwd.txt")"
seen=$(ls "$record/files" | sort | tr '\n' ' ')
[ "$seen" = "Zeb-Kin.grp Zeb-Kin.map zebkin.con zebkin.def " ] || fail "the game saw: $seen"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"
echo "LAUNCH! through wine: the game got $line in $(cat "$record/cwd.txt")"
rm -rf "$work"
