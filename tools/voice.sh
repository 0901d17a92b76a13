#!/usr/bin/env bash
# voice.sh SCRIPT FOLDER VOICE STAMP
# Speaks every line of a recording script (file name, a tab, the words) with espeak-ng into FOLDER.
# Only lines that are new or changed since the last run, or whose file has gone, are spoken again;
# files of lines no longer in the script are removed. Runs one espeak-ng per processor.
set -euo pipefail
script=$1 folder=$2 voice=$3 stamp=$4
made="$stamp.lines" # the script lines whose files are in FOLDER
mkdir -p "$folder"
[[ -f $made ]] || : >"$made"

# Lines no longer in the script: remove their files.
awk -F'\t' 'FILENAME == ARGV[1] { keep[$1] = 1; next } !($1 in keep) { print $1 }' "$script" "$made" |
    while IFS= read -r file; do rm -f -- "$folder/$file"; done

todo=$(mktemp)
trap 'rm -f "$todo"' EXIT
awk 'FILENAME == ARGV[1] { done[$0] = 1; next } !($0 in done)' "$made" "$script" >"$todo"
while IFS=$'\t' read -r file _; do
    [[ -f $folder/$file ]] || awk -F'\t' -v f="$file" '$1 == f' "$script" >>"$todo"
done <"$made"
sort -u -o "$todo" "$todo"

speak() {
    local file=${1%%$'\t'*} words=${1#*$'\t'}
    printf '%s' "$words" | espeak-ng -v "$VOICE" -w "$FOLDER/$file.tmp" --stdin
    mv -f -- "$FOLDER/$file.tmp" "$FOLDER/$file"
}
export -f speak
export VOICE=$voice FOLDER=$folder
start=$(date +%s.%N)
tr '\n' '\0' <"$todo" | xargs -0 -r -n 1 -P "$(nproc)" bash -c 'speak "$1"' _
count=$(wc -l <"$todo")
if ((count > 0)); then
    printf '%s: %d voice file(s) made in %.1f s\n' "$(basename "$folder")" "$count" \
        "$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')"
fi
cp -- "$script" "$made"
touch -- "$stamp"
