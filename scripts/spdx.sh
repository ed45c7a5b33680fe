#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" into the header comment of every
# source file of the project that lacks it (C++, CMake, shell, Python), as the first line or after
# "#!" (and a Python coding line). Third-party material keeps its own licence and is left alone.
#   scripts/spdx.sh           add the line where it is missing, naming each file changed
#   scripts/spdx.sh --check   change nothing; name the files without it and fail if there are any
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
check=false
[ "${1:-}" = --check ] && check=true
readonly id="SPDX-License-Identifier: GPL-3.0-or-later"

# The project's files, tracked or new (not ignored), else every file outside build folders.
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard
  else
    find . -path './build*' -prune -o -path './.git' -prune -o -type f -print | sed 's|^\./||'
  fi
}

comment_of() {
  case $1 in
    assets/third_party/* | .ci/*) ;;
    *.cpp | *.h | *.hpp | *.cc | *.c | *.inc) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py) echo "#" ;;
    *) if [[ $(basename "$1") != *.* ]] && head -c 64 "$1" | grep -qE '^#!.*\b(ba)?sh|^#!.*python'; then
         echo "#"
       fi ;;
  esac
}

missing=0
while IFS= read -r file; do
  [ -f "$file" ] || continue
  comment=$(comment_of "$file") || true
  [ -n "$comment" ] || continue
  missing=$((missing + 1))
  if $check; then
    echo "no licence line: $file"
    continue
  fi
  # After a "#!" line and a Python coding line, else first.
  after=0
  head -n 1 "$file" | grep -q '^#!' && after=1
  sed -n "$((after + 1))p" "$file" | grep -qE '^#.*coding[:=]' && after=$((after + 1))
  tmp=$(mktemp)
  { head -n "$after" "$file"; echo "$comment $id"; tail -n +"$((after + 1))" "$file"; } >"$tmp"
  cat "$tmp" >"$file"  # keeps the file's mode
  rm -f "$tmp"
  echo "added: $file"
done < <(list_files | while IFS= read -r f; do
  [ -f "$f" ] && ! head -n 5 "$f" | grep -q "$id" && printf '%s\n' "$f"; done)
if $check && [ $missing -gt 0 ]; then
  echo "$missing files without the licence line; scripts/spdx.sh adds it" >&2
  exit 1
fi
$check && echo "every source file carries the licence line"
exit 0
