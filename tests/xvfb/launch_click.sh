#!/usr/bin/env bash
# Real-window check: LAUNCH! clicked with the mouse on the demo folder starts the stand-in game
# with the composed command line in the game folder while the four files lie ready, and the
# files are gone once the game has ended.
#   launch_click.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if ! xvfb_is_inner "$@"; then
  launcher=$1 standin=$2 demotool=$3 work=$4
  rm -rf "$work" && mkdir -p "$work"
  "$demotool" --highres --standin "$standin" --launcher "$launcher" "$work/Duke3D" >/dev/null
  xvfb_run_inner "$work"
fi

work=$2
game="$work/Duke3D"
record="$work/record"
xvfb_real_display
export ZK_STANDIN_RECORD="$record"

start "$game/zebkin/zebkin-setup"
pid=$started
win=$(wait_window "Zeb-Kin Setup" 150 "$pid")
sleep 1
click_launch_and_wait "$win" "$record" "$game"

[ "$(cat "$record/program.txt")" = "$game/eDuke32.exe" ] ||
  fail "started $(cat "$record/program.txt")"
expected=$'-map\nZeb-Kin.map\n/hzebkin.def\n/s1\n/xzebkin.con\n/q2\n/t2\n/gZeb-Kin.grp'
[ "$(cat "$record/arguments.txt")" = "$expected" ] ||
  fail "arguments were: $(tr '\n' ' ' <"$record/arguments.txt")"
[ "$(cat "$record/cwd.txt")" = "$game" ] || fail "working directory was $(cat "$record/cwd.txt")"
seen=$(ls "$record/files" | sort | tr '\n' ' ')
[ "$seen" = "Zeb-Kin.grp Zeb-Kin.map zebkin.con zebkin.def " ] || fail "the game saw: $seen"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"
echo "LAUNCH! clicked: the game got $(tr '\n' ' ' <"$record/arguments.txt")in $game"
rm -rf "$work"
