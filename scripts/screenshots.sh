#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the guide and README from the real program on a private X screen of
# 1024 x 768: the main menu, each game just after its start, a game's summary, the recordings tab,
# the results program with the games just played, and its view of the words.
#   scripts/screenshots.sh [PROGRAM FOLDER] [OUTPUT FOLDER]
#   (defaults: build/app and docs/obrazy). Needs xvfb, openbox, xdotool, imagemagick and pngquant.
# The program runs from a copy of its folder, so the build's statistics and settings stay untouched;
# it is started afresh for every picture. Clicks follow the menu's layout at 1024 x 768: the tab
# strip at (695, 75), the start button below the rows. BRIMBOLA_SHOT_BEFORE="xdotool steps..." runs
# before every click, for a window that comes first after start-up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app=$(realpath "${1:-$root/build/app}")
out=$(realpath -m "${2:-$root/docs/obrazy}")
wait_start=${BRIMBOLA_SHOT_WAIT:-6}
for tool in Xvfb openbox xdotool import pngquant compare; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$app/brimbola" ] && [ -d "$app/Data" ] || { echo "screenshots: no program in $app" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$app/brimbola" "$app/brimbola-wyniki" "$work/"
cp -rL "$app/Data" "$work/Data"
[ -d "$app/przewodnik" ] && cp -rL "$app/przewodnik" "$work/przewodnik"
export XDG_DATA_HOME=$work/user XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb LANG=pl_PL.UTF-8
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

for n in $(seq 150 199); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display
openbox >/dev/null 2>&1 & wm=$!
sleep 1

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }

# shot NAME SECONDS [X Y]...: starts the games, clicks the given points in turn, waits, takes NAME.png.
shot() {
  local name=$1 settle=$2; shift 2
  "$work/brimbola" >"$work/$name.log" 2>&1 & local program=$!
  sleep "$wait_start"
  [ -n "${BRIMBOLA_SHOT_BEFORE:-}" ] && eval "xdotool $BRIMBOLA_SHOT_BEFORE"
  while [ $# -ge 2 ]; do click "$1" "$2"; shift 2; done
  sleep "$settle"
  import -window root "$work/$name.png"
  # Esc ends a game: it is saved (for the results program's picture) and its summary shown.
  xdotool key Escape
  sleep 1.5
  [ -n "$summary" ] && { import -window root "$work/$summary.png"; summary=; }
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  echo "$name"
}

# The menu shows the picture-and-say tab, whose three rows can all be changed.
# The tab strip's rows (y within the strip at 1024 x 768) and the start button.
strip_x=$((695 + 40)) strip_y=75
tab() { echo "$strip_x $((strip_y + $1))"; }
start="$((512 + 35 + 30)) $((768 - 768 / 7 + 25))"

summary=
# shellcheck disable=SC2046
{
  shot menu 1 $(tab 197)
  shot odglosy 2 $(tab 96) $start
  shot podpisz 2 $(tab 197) $start
  shot klocki 2 $(tab 290) $start
  shot spodek 2 $(tab 375) $start
  summary=koniec
  shot labirynt 2 $(tab 455) $start
  shot nagrania 1 $(tab 535)
}

# The results program, beside the games.
"$work/brimbola-wyniki" >"$work/wyniki.log" 2>&1 & wyniki=$!
sleep "$wait_start"
xdotool search --sync --onlyvisible --pid "$wyniki" windowmove 0 0 >/dev/null 2>&1 || true
sleep 0.5
import -window root "$work/wyniki.png"
echo wyniki
# Its view of the words: the tab "Słowa", fourth in the row under the menu bar.
click 206 62
sleep 1
import -window root "$work/slowa.png"
kill "$wyniki" 2>/dev/null || true
echo slowa

# A game that did not open (too few words for the default settings, a changed menu) leaves the
# menu on the screen: said here rather than shipped as a picture of the wrong thing.
status=0
for game in odglosy podpisz klocki spodek labirynt; do
  differ=$(compare -metric AE -fuzz 5% "$work/menu.png" "$work/$game.png" null: 2>&1 || true)
  if [ "${differ%% *}" -lt 100000 ] 2>/dev/null; then
    echo "screenshots: $game looks like the menu ($differ pixels differ); see $work/$game.log" >&2
    status=1
  fi
done
# Small files: 8-bit palettes.
for picture in "$work"/*.png; do
  pngquant --force --skip-if-larger --strip --quality 60-90 --output "$out/$(basename "$picture")" "$picture" ||
    cp "$picture" "$out/"
done
ls -l "$out"
exit $status
