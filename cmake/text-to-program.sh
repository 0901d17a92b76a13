#!/usr/bin/env bash
# Turns a UTF-8 text file with LF line ends (as kept in data/) into the Windows-1252 file with CRLF
# line ends that the program reads. Fails on a character Windows-1252 cannot hold.
set -euo pipefail
iconv -f UTF-8 -t WINDOWS-1252 "$1" | sed 's/$/\r/' > "$2.tmp"
mv "$2.tmp" "$2"
