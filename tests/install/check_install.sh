#!/usr/bin/env bash
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
# Nothing the program writes is installed.
[ -z "$(find "$prefix" -name 'prgst*.stt' -o -name Nagrane)" ] || fail "user files installed"
echo "install tree: $(find "$prefix" -type f | wc -l) files checked"
