#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the table of words per group and position into docs/words.md from the word list.
#   scripts/words-table.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
table=$("$build/src/check_words_tool" --table "$root/assets/groups/words/words.txt")
doc=$root/docs/words.md
awk -v table="$table" '
    /^<!-- table -->$/ { print; print table; skip = 1; next }
    /^<!-- end of table -->$/ { skip = 0 }
    !skip { print }' "$doc" > "$doc.new"
mv "$doc.new" "$doc"
