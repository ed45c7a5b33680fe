#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How fast the program shows its first frame and its menu, and how much memory it holds there: RUNS
# fresh starts on a private X screen, each reporting when the splash was shown and the menu first
# painted (its start-up log), and the peak resident memory once the menu stands (VmHWM). With OWN_WORDS > 0 a copy of the program is given
# that many complete own words (pictures and recording copied from a built-in word) first.
#   bench/startup.sh [APP_FOLDER (default build/app)] [SIZE (default 1024x768)] [RUNS (default 9)] [OWN_WORDS (default 0)]
# Prints the median and the spread of both. Needs: xvfb, openbox.
set -u
app=${1:-build/app} size=${2:-1024x768} runs=${3:-9} own=${4:-0}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp -rL "$app" "$work/app"
if [ "$own" -gt 0 ]; then
  list="$work/app/Slowa/slowa.txt"; mkdir -p "$work/app/Slowa"
  for i in $(seq 1 "$own"); do
    id=$(printf 'own_%08x' "$i"); dir="$work/app/Slowa/$id"; mkdir -p "$dir"
    for s in _shs _shb; do cp "$work/app/Data/Bion/las$s.xji" "$dir/$id$s.xji"; done
    for s in _ss _s _b; do cp "$work/app/Data/Klc/las$s.xji" "$dir/$id$s.xji"; done
    cp "$work/app/Data/Smd/las.pw" "$dir/$id.pw"
    printf 'slowo\t%s\t_l,a,s,\ttak\n' "$id" >> "$list"
  done
fi
for n in $(seq 200 249); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=:$n; break; }; done
Xvfb "$disp" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 & xpid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${disp#:}" ] && break; sleep 0.1; done
export DISPLAY=$disp
openbox >/dev/null 2>&1 & wpid=$!
sleep 0.7
mkdir -p "$work/rt"; chmod 700 "$work/rt"
: > "$work/results"
for r in $(seq 1 "$runs"); do
  XDG_RUNTIME_DIR="$work/rt" QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="brimbola.startup.info=true" \
    "$work/app/brimbola" >"$work/run.log" 2>&1 & pid=$!
  for _ in $(seq 100); do grep -q "main window painted" "$work/run.log" && break; sleep 0.1; done
  sleep 1
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null)
  ms=$(sed -n 's/.*main window painted after \([0-9]*\) ms.*/\1/p' "$work/run.log" | head -1)
  splash=$(sed -n 's/.*splash shown after \([0-9]*\) ms.*/\1/p' "$work/run.log" | head -1)
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  echo "${ms:-0} ${hwm:-0} ${splash:-0}" >> "$work/results"
done
kill $wpid $xpid 2>/dev/null; wait $wpid $xpid 2>/dev/null
# The median and the range of each column, sorted on its own.
ms=$(cut -d' ' -f1 "$work/results" | sort -n | tr '\n' ' ')
kb=$(cut -d' ' -f2 "$work/results" | sort -n | tr '\n' ' ')
sp=$(cut -d' ' -f3 "$work/results" | sort -n | tr '\n' ' ')
awk -v ms="$ms" -v kb="$kb" -v sp="$sp" -v own="$own" -v size="$size" 'BEGIN {
  n = split(ms, m, " "); split(kb, k, " "); split(sp, s, " "); mid = int((n + 1) / 2)
  printf "%s, %d own words (median of %d, range):\n", size, own, n
  printf "  first frame (splash shown)  %4d ms  (%d to %d)\n", s[mid], s[1], s[n]
  printf "  menu painted                %4d ms  (%d to %d)\n", m[mid], m[1], m[n]
  printf "  peak memory at the menu     %5.1f MB (%.1f to %.1f)\n", k[mid] / 1024, k[1] / 1024, k[n] / 1024
}'
