#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A start-up error box stays above the splash and keeps the keyboard under a real window manager
# (the offscreen platform has no stacking): with a damaged statistics file, a click on the splash
# beside the box, then Return or Esc must close the box and end the program with 0.
# Usage: startup_box_above_splash.sh APP_FOLDER. Exits 77 (skipped) without Xvfb, openbox, xdotool.
set -u
app=$1
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for n in $(seq 120 149); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { export DISPLAY=:$n; break; }
done
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.7

failures=0
run_case() {  # NAME DAMAGE KEY
  local folder=$work/$1
  mkdir -p "$folder/rt" && chmod 700 "$folder/rt"
  cp -rL "$app/Data" "$folder/Data" && cp "$app/brimbola" "$folder/"
  (cd "$folder" && eval "$2")
  XDG_RUNTIME_DIR=$folder/rt QT_QPA_PLATFORM=xcb "$folder/brimbola" >"$folder/log" 2>&1 &
  local program=$!
  local box
  box=$(timeout 15 xdotool search --sync --name 'Błąd' | head -1)
  if [ -z "$box" ]; then echo "$1: no error box"; failures=$((failures + 1)); kill $program; return; fi
  sleep 0.5
  local splash
  splash=$(xdotool search --name 'Splash' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$splash")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 20)) click 1  # the splash's top, above the box
  sleep 0.8
  local active
  active=$(xdotool getactivewindow getwindowname 2>/dev/null)
  [[ $active == *Błąd* ]] || { echo "$1: after a click on the splash the active window is '$active'"; failures=$((failures + 1)); }
  xdotool key "$3"
  local status=timeout
  for _ in $(seq 50); do
    kill -0 $program 2>/dev/null || { wait $program; status=$?; break; }
    sleep 0.1
  done
  [ "$status" = 0 ] || { echo "$1: $3 did not end the program with 0 ($status)"; failures=$((failures + 1)); kill $program 2>/dev/null; }
}
run_case short-file 'head -c 10 /dev/zero > prgst4.stt' Return
run_case folder 'mkdir prgst4.stt' Escape
echo "2 cases run, $failures failures"
[ $failures = 0 ]
