#!/usr/bin/env bash
# Real-window check: LAUNCH! clicked with the mouse on the demo folder starts the stand-in game
# with the composed command line in the game folder while the four files lie ready, and the
# files are gone once the game has ended.
#   launch_click.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail
launcher=$1 standin=$2 demotool=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
"$demotool" --highres --standin "$standin" --launcher "$launcher" "$work/Duke3D" >/dev/null

inner="$work/inner.sh"
cat >"$inner" <<'INNER'
set -u
work=$1
game="$work/Duke3D"
record="$work/record"
unset QT_QPA_PLATFORM
export ZK_STANDIN_RECORD="$record"
pid=""
fail() { echo "FAIL: $*"; [ -n "$pid" ] && kill "$pid" 2>/dev/null; exit 1; }
# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local n=$1; shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
no_generated_files() {
  for f in Zeb-Kin.map zebkin.con zebkin.def Zeb-Kin.grp; do [ -e "$game/$f" ] && return 1; done
  return 0
}

"$game/zebkin/zebkin-setup" & pid=$!
win=""
for _ in $(seq 150); do
  win=$(xdotool search --name '^Zeb-Kin Setup$' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no window titled Zeb-Kin Setup"
sleep 1
# No window manager: the window's client area sits at 0,0. LAUNCH! spans 0..409 x 328..366.
xdotool mousemove --window "$win" 100 347 click 1
wait_for 300 test -e "$record/complete" || fail "the stand-in game recorded nothing"
wait_for 100 no_generated_files || fail "generated files left after the game ended: $(ls "$game")"

[ "$(cat "$record/program.txt")" = "$game/eDuke32.exe" ] ||
  fail "started $(cat "$record/program.txt")"
expected=$'-map\nZeb-Kin.map\n/hzebkin.def\n/s1\n/xzebkin.con\n/q2\n/t2\n/gZeb-Kin.grp'
[ "$(cat "$record/arguments.txt")" = "$expected" ] ||
  fail "arguments were: $(tr '\n' ' ' <"$record/arguments.txt")"
[ "$(cat "$record/cwd.txt")" = "$game" ] || fail "working directory was $(cat "$record/cwd.txt")"
seen=$(ls "$record/files" | sort | tr '\n' ' ')
[ "$seen" = "Zeb-Kin.grp Zeb-Kin.map zebkin.con zebkin.def " ] || fail "the game saw: $seen"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"
kill "$pid"; wait "$pid" 2>/dev/null
echo "LAUNCH! clicked: the game got $(tr '\n' ' ' <"$record/arguments.txt")in $game"
INNER
xvfb-run -a -s "-screen 0 800x600x24" bash "$inner" "$work"
rm -rf "$work"
