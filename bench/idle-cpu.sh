#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How much processor the program takes while nothing happens: the main menu, then each game window
# opened from it and left alone, each measured over SECONDS (default 20) on a private X screen.
#   bench/idle-cpu.sh [APP_FOLDER (default build/app)] [SECONDS]
# Prints, per window, the share of one core used (utime + stime from /proc/<pid>/stat).
# Needs: xvfb, openbox, xdotool.
set -u
app=${1:-build/app} seconds=${2:-20} size=800x600
# Where "start" lies on the 800x600 menu, and the settle time before measuring.
start_x=455 start_y=535 settle=4
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
for n in $(seq 200 249); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=:$n; break; }; done
Xvfb "$disp" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 & xpid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${disp#:}" ] && break; sleep 0.1; done
export DISPLAY=$disp
openbox >/dev/null 2>&1 & wpid=$!
sleep 0.7
hz=$(getconf CLK_TCK)

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME TAB: a fresh copy of the program on tab TAB (0: the menu alone).
measure() {
  local name=$1 tab=$2 folder="$work/$1"
  cp -rL "$app" "$folder"
  sed -i "s/^Zakladka=.*/Zakladka=$(( tab == 0 ? 1 : tab ))/" "$folder/Data/data.ini"
  mkdir -p "$work/rt-$name"; chmod 700 "$work/rt-$name"
  XDG_RUNTIME_DIR="$work/rt-$name" QT_QPA_PLATFORM=xcb "$folder/brimbola" >"$work/$name.log" 2>&1 & local pid=$!
  sleep "$settle"
  if [ "$tab" -gt 0 ]; then xdotool mousemove $start_x $start_y click 1; sleep "$settle"; fi
  local title; title=$(xdotool getactivewindow getwindowname 2>/dev/null)
  local before; before=$(ticks $pid)
  sleep "$seconds"
  local after; after=$(ticks $pid)
  awk -v n="$name" -v t="$title" -v d=$((after - before)) -v hz="$hz" -v s="$seconds" \
      'BEGIN { printf "%-10s %6.2f %% of a core   (window: %s)\n", n, 100 * d / hz / s, t }'
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
}

measure menu 0
measure sounds 1
measure selector 2
measure tiles 3
measure saucer 4
measure labyrinth 5
kill $wpid $xpid 2>/dev/null; wait $wpid $xpid 2>/dev/null
