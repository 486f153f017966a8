#!/usr/bin/env bash
# Writes the stored "SkinStream" data of the main window's skin data component: the
# package's byte count as 32-bit little-endian, then the package itself.
set -euo pipefail
[ $# = 2 ] || { echo "usage: make-skinstream.sh PACKAGE.skn OUT" >&2; exit 2; }
size=$(stat -c %s "$1")
printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((size & 255)) $(((size >> 8) & 255)) \
  $(((size >> 16) & 255)) $(((size >> 24) & 255)))" > "$2.tmp"
cat "$1" >> "$2.tmp"
mv "$2.tmp" "$2"
