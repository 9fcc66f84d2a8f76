#!/usr/bin/env bash
# Real-window check through wine: LAUNCH! clicked with the mouse on the demo folder whose
# eDuke32.exe is a Windows program of our own. The launcher starts it through wine; it records
# its raw command line and its current directory as Windows gave them, and the launcher's files
# present while it ran. Afterwards none of them is left.
#   launch_through_wine.sh LAUNCHER WINDOWS_STANDIN DEMOTOOL WORKDIR WINEPREFIX
set -euo pipefail
launcher=$1 standin=$2 demotool=$3 work=$4 prefix=$5
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
fail() { echo "FAIL: $*"; [ -n "$pid" ] && kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; exit 1; }
wait_for() {
  local n=$1; shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  return 1
}
no_generated_files() {
  for f in Zeb-Kin.map zebkin.con zebkin.def Zeb-Kin.grp; do [ -e "$game/$f" ] && return 1; done
  return 0
}

# A new prefix takes about 20 s to make; the launch itself must not pay for it.
wineboot -i >/dev/null 2>&1 || fail "wineboot could not prepare the prefix"
"$game/zebkin/zebkin-setup" & pid=$!
win=""
for _ in $(seq 150); do
  win=$(xdotool search --name '^Zeb-Kin Setup$' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no window titled Zeb-Kin Setup"
sleep 1
xdotool mousemove --window "$win" 100 347 click 1
wait_for 600 test -e "$record/complete" || fail "the Windows stand-in recorded nothing"
wait_for 150 no_generated_files || fail "generated files left after the game ended: $(ls "$game")"

windir="Z:$(echo "$game" | tr / '\\')"
line=$(cat "$record/commandline.txt")
switches=" -map Zeb-Kin.map /hzebkin.def /s1 /xzebkin.con /q2 /t2 /gZeb-Kin.grp"
[ "${line%"$switches"}" != "$line" ] || fail "command line was: $line"
[ "${line%"$switches"}" = "\"$windir\\eDuke32.exe\"" ] || fail "program part of: $line"
[ "$(cat "$record/cwd.txt")" = "$windir" ] || fail "current directory was $(cat "$record/cwd.txt")"
seen=$(ls "$record/files" | sort | tr '\n' ' ')
[ "$seen" = "Zeb-Kin.grp Zeb-Kin.map zebkin.con zebkin.def " ] || fail "the game saw: $seen"
kill -0 "$pid" 2>/dev/null || fail "the launcher ended with the game"
kill "$pid"; wait "$pid" 2>/dev/null
wineserver -k 2>/dev/null
echo "LAUNCH! through wine: the game got $line in $(cat "$record/cwd.txt")"
INNER
WINEPREFIX="$prefix" WINEDEBUG=-all xvfb-run -a -s "-screen 0 800x600x24" bash "$inner" "$work"
rm -rf "$work"
