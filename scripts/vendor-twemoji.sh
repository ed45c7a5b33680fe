#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the picture set's SVG files that the word list names (its PICTURE column) from an unpacked
# @twemoji/svg package into assets/third_party/twemoji/svg/; files already there stay as they are.
#   scripts/vendor-twemoji.sh <unpacked package folder, e.g. package/>
set -euo pipefail
package=${1:?usage: $0 <unpacked @twemoji/svg package folder>}
root=$(cd "$(dirname "$0")/.." && pwd)
target=$root/assets/third_party/twemoji/svg
mkdir -p "$target"
missing=0
while read -r code; do
    [[ -f $target/$code.svg ]] && continue
    if [[ -f $package/$code.svg ]]; then
        cp "$package/$code.svg" "$target/"
        echo "taken: $code.svg"
    else
        echo "not in the package: $code.svg" >&2
        missing=1
    fi
done < <(awk '!/^[[:space:]]*(#|$)/ && $4 != "own" { print $4 }' "$root/assets/groups/words/words.txt" | sort -u)
exit $missing
