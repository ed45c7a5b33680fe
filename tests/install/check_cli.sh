#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line of both programs, without a display: --help and --version in Polish under a
# Polish locale and in English otherwise (Qt's own lines too), exit 0; a wrong option: one line on
# stderr, nothing on stdout, exit 2. check_cli.sh <program folder>
set -uo pipefail
app=$1
fail() { echo "FAIL: $*" >&2; status=1; }
status=0
locale -a 2>/dev/null | grep -qix 'pl_PL.utf8' || { echo "FAIL: no pl_PL.UTF-8 locale (scripts/setup.sh makes it)" >&2; exit 1; }
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# run LANG PROGRAM ARGS...: the exit code; the output in $out and $err.
run() {
  local lang=$1; shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" \
    "$app/$@" >"$out" 2>"$err"
}
for program in brimbola brimbola-wyniki; do
  for lang in pl_PL.UTF-8 C; do
    if [ "$lang" = C ]; then usage=Usage: help="Displays this help"; else usage="Sposób użycia:" help="Wyświetla tę pomoc"; fi
    run "$lang" "$program" --help; code=$?
    [ $code -eq 0 ] || fail "$program --help ($lang) exited $code: $(cat "$err")"
    grep -q "^$usage .*$program" "$out" || fail "$program --help ($lang) has no '$usage' line: $(head -3 "$out")"
    grep -q -- "--help  *$help" "$out" || fail "$program --help ($lang): the help option's line is not in its language"
    run "$lang" "$program" --version; code=$?
    [ $code -eq 0 ] && grep -qx "$program [0-9][0-9.]*" "$out" || fail "$program --version ($lang): $code $(cat "$out")"
    run "$lang" "$program" --no-such-option; code=$?
    [ $code -eq 2 ] || fail "$program --no-such-option ($lang) exited $code"
    [ "$(wc -l <"$err")" -eq 1 ] && [ ! -s "$out" ] && grep -q "no-such-option" "$err" ||
      fail "$program --no-such-option ($lang) printed: $(cat "$out" "$err")"
  done
done
# The Polish help of the results program names its own option in Polish as well.
run pl_PL.UTF-8 brimbola-wyniki --help
grep -q -- "--csv <PLIK>" "$out" && grep -q "bez okna" "$out" || fail "brimbola-wyniki --help: no Polish --csv line"
run C brimbola-wyniki --help
grep -q -- "--csv <FILE>" "$out" || fail "brimbola-wyniki --help: no English --csv line"
[ $status -eq 0 ] && echo "command line: both programs answer --help, --version and a wrong option"
exit $status
