#!/usr/bin/env bash
# Real window: closing the launcher writes lastsettings.zks, and the next start restores it; a
# lastsettings.zks the launcher cannot read ends the start after the report, and keeps its bytes.
# Called as: bash settings_close.sh LAUNCHER STANDIN DEMOTOOL WORKDIR
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if ! xvfb_is_inner "$@"; then
  launcher=$1 standin=$2 demotool=$3 workdir=$4
  rm -rf "$workdir"
  mkdir -p "$workdir"
  "$demotool" --standin "$standin" --launcher "$launcher" "$workdir/Duke3D" >/dev/null
  xvfb_run_inner "$workdir"
fi

workdir=$2
launcher="$workdir/Duke3D/zebkin/zebkin-setup"
last="$workdir/Duke3D/zebkin/lastsettings.zks"
xvfb_real_display

# Starts the launcher, waits for its window, asks it to close and waits for the program to end.
run_and_close() {
  start "$launcher"
  local pid=$started window
  window=$(wait_window "Zeb-Kin Setup" 200 "$pid")
  xprop -id "$window" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
    fail "the window does not take close requests"
  send_close_request "$window" || fail "could not send the close request"
  wait_exit "$pid" 200 || fail "the launcher ended with an error"
}

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
      start setpriv --reuid=65534 --regid=65534 --clear-groups "$launcher"
  else
    start "$launcher"
  fi
  local pid=$started report i
  report=$(wait_window Zeb-Kin 200 "$pid")
  [ -z "$(find_window 'Zeb-Kin Setup')" ] || fail "the window was shown before the report"
  send_close_request "$report" || fail "could not answer the report"
  for i in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    [ -z "$(find_window 'Zeb-Kin Setup')" ] || fail "the window opened after the report"
    sleep 0.1
  done
  wait_exit "$pid" 10 || fail "the launcher ended with an error after the report"
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
