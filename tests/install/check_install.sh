#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks it as a desktop sees it:
# check_install.sh <build folder> <source folder> <desktop id>...
set -euo pipefail
build=$1 source=$2; shift 2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
[ $# -gt 0 ] || fail "no desktop programs named"
for id in "$@"; do
  desktop=$share/applications/$id.desktop
  metainfo=$share/metainfo/$id.metainfo.xml
  desktop-file-validate "$desktop" || fail "$desktop"
  appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo"; fail "$metainfo"; }
  # The games are games for children; the therapist's results program is for adults only.
  case $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop") in
    brimbola) categories="Education;Game;KidsGame;" ;;
    *) categories="Education;" ;;
  esac
  grep -qx "Categories=$categories" "$desktop" || fail "$id: categories"
  grep -q "^Name\[pl\]=" "$desktop" || fail "$id: no Polish name"
  exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exe" ] || fail "$id: Exec=$exe is not in bin/"
  grep -q "<binary>$exe</binary>" "$metainfo" || fail "$id: metainfo does not name $exe"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$id: no scalable icon $icon"
  for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -s "$png" ] || fail "$id: no icon $png"
    # PNG: the width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x${h}"
  done
done

# The Data tree: a real copy of the build's, with the data.ini of the sources.
data=$share/brimbola/Data
[ -d "$data" ] && [ ! -L "$data" ] || fail "no Data folder in share/brimbola"
cmp -s "$data/data.ini" "$source/assets/groups/settings/data.ini" || fail "data.ini is not the shipped one"
diff -rq -x data.ini "$build/app/Data/" "$data/" || fail "the installed Data differs from the build's"
# The package's documents: the machine-readable copyright file with a licence paragraph for every
# licence its files name, the changelog, the manual pages in English and Polish, and the guide with
# every picture it shows.
doc=$share/doc/brimbola
head -1 "$doc/copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "copyright: not in Debian's machine-readable format"
grep -q "^Files: assets/third_party/twemoji/" "$doc/copyright" || fail "copyright: the picture set is not listed"
for licence in $(sed -n 's/^License: //p' "$doc/copyright" | sort -u); do
  [ "$(grep -cx "License: $licence" "$doc/copyright")" -ge 2 ] || fail "copyright: $licence named, its text missing"
done
grep -q "^ Creative Commons Attribution 4.0 International" "$doc/copyright" || fail "copyright: no CC BY 4.0 text"
zcat "$doc/changelog.gz" | head -1 | grep -q "^brimbola (" || fail "no changelog"
for page in man6/brimbola.6 man1/brimbola-wyniki.1 pl/man6/brimbola.6 pl/man1/brimbola-wyniki.1; do
  zcat "$share/man/$page.gz" 2>/dev/null | grep -q "^\.TH " || fail "no manual page $page"
done
guide=$share/brimbola/przewodnik/przewodnik.html
grep -q "<h1>" "$guide" 2>/dev/null || fail "no guide"
for picture in $(grep -o '<img [^>]*src="[^"]*"' "$guide" | sed 's/.*src="\([^"]*\)"/\1/'); do
  [ -s "$(dirname "$guide")/$picture" ] || fail "the guide's picture $picture is missing"
done
# Nothing the program writes is installed.
[ -z "$(find "$prefix" -name 'prgst*.stt' -o -name Nagrane)" ] || fail "user files installed"
echo "install tree: $(find "$prefix" -type f | wc -l) files checked"
