#!/usr/bin/env bash
# tarvos-cli list: the main menu's list lines; no file is ever created or changed. Files that cannot
# be listed are in cli_tool.sh.
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
cli="$build/tarvos-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$build/tools/mkdemo" "$work/demo" "$work/unused.ini" "$(dirname "$0")/../../data/scoring/items.txt"
file="$work/demo/DATA401.TRV"
before=$(md5sum < "$file")
out=$("$cli" list "$file" 2>/dev/null)
expected=$(printf '%s\n' "1-Avery, Jordan            " "2-Delgado, Marisol         " \
    "3-Whitfield, Curtis        " "4-Nakamura, Erin           " "5-Redcloud, Samuel         ")
[ "$out" = "$expected" ] || fail "list lines differ: $(printf '%q' "$out")"
[ "$(md5sum < "$file")" = "$before" ] || fail "client file changed"

# A byte above 0x7F is shown as the Windows-1252 character it stands for.
printf 'Jos\xe9 M\x9cller%*s' 14 '' > "$work/one.trv"
head -c 210 /dev/zero | tr '\0' ' ' >> "$work/one.trv"
[ "$("$cli" list "$work/one.trv" 2>/dev/null)" = "1-José Mœller              " ] || fail "Windows-1252 name"

# Control bytes of a damaged record never split or cut its line.
printf 'Bad\nName\0Here%*s' 12 '' > "$work/ctl.trv"
head -c 210 /dev/zero | tr '\0' ' ' >> "$work/ctl.trv"
[ "$("$cli" list "$work/ctl.trv" 2>/dev/null)" = "1-Bad?Name?Here            " ] || fail "control bytes"

: > "$work/empty.trv"
[ -z "$("$cli" list "$work/empty.trv")" ] || fail "empty file lists something"

echo ok
