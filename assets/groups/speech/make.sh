#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes every sound of the program: the spoken words, the praise and "try again" phrases, and the
# sounds of the hidden things in the sounds game. Usage: make.sh <group folder> <program folder>.
set -euo pipefail

# One calm, clear female voice for everything a child hears; a little slower than normal speech
# for the words, a touch livelier for praise.
VOICE=pl+f4
WORD_SPEED=130
PRAISE_SPEED=145
PRAISE_PITCH=60
TRYAGAIN_SPEED=135
# Every file ends at the same level so that nothing startles a child: peaks at -3 dBFS, and
# sounds that would still be louder than speech (noise, buzz) are turned down to its RMS.
PEAK_DB=-3
MAX_RMS_DB=-18

# Trims the silence around a raw sound, fades its ends and levels it; writes a plain
# 22050 Hz mono 16-bit PCM RIFF WAVE file (".pw").
finish() {
    local raw=$1 out=$2 tmp=$3
    sox -R -D "$raw" -r 22050 -c 1 -b 16 -e signed-integer "$tmp/cut.wav" \
        silence 1 0.01 0.2% reverse silence 1 0.01 0.2% reverse
    sox -R -D "$tmp/cut.wav" "$tmp/trim.wav" fade q 0.012 -0 0.05 pad 0.04 0.08 gain -n "$PEAK_DB"
    local rms
    rms=$(sox "$tmp/trim.wav" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
    local cut
    cut=$(awk -v r="$rms" -v m="$MAX_RMS_DB" 'BEGIN { d = m - r; if (d < 0) printf "%.2f", d; else print 0 }')
    mkdir -p "$(dirname "$out")"
    sox -R -D "$tmp/trim.wav" -t wav "$tmp/final.wav" gain "$cut"
    mv "$tmp/final.wav" "$out"
}

# One job, run in its own process: "KIND|NAME|TEXT" (KIND word, praise, tryagain or object).
one() {
    local kind=${1%%|*} rest=${1#*|}
    local name=${rest%%|*} text=${rest#*|}
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    case $kind in
        word)     espeak-ng -v "$VOICE" -s "$WORD_SPEED" -w "$tmp/raw.wav" "$text"
                  finish "$tmp/raw.wav" "$APP/Data/Smd/$name.pw" "$tmp" ;;
        praise)   espeak-ng -v "$VOICE" -s "$PRAISE_SPEED" -p "$PRAISE_PITCH" -w "$tmp/raw.wav" "$text"
                  finish "$tmp/raw.wav" "$APP/Data/Intf/Smd/$name.pw" "$tmp" ;;
        tryagain) espeak-ng -v "$VOICE" -s "$TRYAGAIN_SPEED" -w "$tmp/raw.wav" "$text"
                  finish "$tmp/raw.wav" "$APP/Data/Intf/Smd/$name.pw" "$tmp" ;;
        object)   # shellcheck source=objects.sh
                  source "$SRC/objects.sh"
                  "sound_$name" "$tmp/raw.wav" "$tmp"
                  finish "$tmp/raw.wav" "$APP/Data/Smd.O/$name.pw" "$tmp" ;;
        *)        echo "speech: unknown job kind '$kind'" >&2; return 1 ;;
    esac
}

# Lines "NAME|TEXT" of a list, without comments and blank lines, as jobs of one kind.
jobs_of() {
    grep -v -e '^#' -e '^[[:space:]]*$' "$SRC/$2" | sed "s/^/$1|/"
}

# The spoken words of the one word list (groups/words/words.txt: NAME SPLIT FLAGS PICTURE SPOKEN,
# the spoken form being the rest of the line) as word jobs.
word_jobs() {
    sed -n -E 's/^[[:space:]]*([a-z]+)[[:space:]]+[^[:space:]]+[[:space:]]+[^[:space:]]+[[:space:]]+[^[:space:]]+[[:space:]]+(.*[^[:space:]])[[:space:]]*$/word|\1|\2/p' \
        "$SRC/../words/words.txt"
}

if [[ ${1:-} == --one ]]; then
    one "$2"
    exit
fi

SRC=$(cd "$1" && pwd)
APP=$(mkdir -p "$2" && cd "$2" && pwd)
export SRC APP VOICE WORD_SPEED PRAISE_SPEED PRAISE_PITCH TRYAGAIN_SPEED PEAK_DB MAX_RMS_DB

{
    word_jobs
    jobs_of praise praise.txt
    jobs_of tryagain tryagain.txt
    for code in ps tbk bln swn wzn tkr krk glb smd; do
        echo "object|$code|"
    done
} | xargs -P2 -d '\n' -n1 bash "$SRC/make.sh" --one
