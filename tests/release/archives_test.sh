#!/usr/bin/env bash
# The release archives hold exactly the release folders: the same files, byte for byte,
# under one top folder named like the archive, with no user state (zuno.ini, result
# logs) and with Chinese file names marked as UTF-8 so that Windows unpacks them right.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # $1: description; the rest: a command that must succeed
  local what=$1; shift
  if "$@"; then printf '  ok    %s\n' "$what"; else printf '  FAIL  %s\n' "$what"; failures=$((failures + 1)); fi
}
release_files() {
  (cd "$1" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -printf '%P\n' | LC_ALL=C sort)
}
zip_files() {  # $1: archive, $2: top folder; files only, without the top folder
  unzip -Z1 "$1" | grep -v '/$' | sed "s#^$2/##" | LC_ALL=C sort
}
u16() { od -An -tu2 -j "$2" -N2 "$1" | tr -d ' '; }
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
# Names of entries that have non-ASCII bytes but lack the UTF-8 flag (bit 11 of the
# general-purpose flags in the central directory; the archives carry no comment).
unmarked_names() {
  local zip=$1 size count at i flags nlen name
  size=$(stat -c %s "$zip")
  count=$(u16 "$zip" $((size - 22 + 10)))
  at=$(u32 "$zip" $((size - 22 + 16)))
  for ((i = 0; i < count; i++)); do
    flags=$(u16 "$zip" $((at + 8)))
    nlen=$(u16 "$zip" $((at + 28)))
    name=$(dd if="$zip" bs=1 skip=$((at + 46)) count="$nlen" 2>/dev/null)
    if LC_ALL=C grep -q '[^ -~]' <<<"$name" && [ $((flags & 0x800)) = 0 ]; then printf '%s\n' "$name"; fi
    at=$((at + 46 + nlen + $(u16 "$zip" $((at + 30))) + $(u16 "$zip" $((at + 32)))))
  done
}

# What a release folder must hold and nothing more: a stale file left by an earlier
# layout would otherwise ship in the archives and installers.
release_set() {  # $1: release folder
  {
    printf '%s\n' ZunoHelp.chm faq.txt test.dll zuno.exe sound/buttonclick.wav sound/menuclick.wav sound/optionalclick.wav
    [ ! -f "$1/skinview.exe" ] || echo skinview.exe
    (cd "$root/build/host/skins" && find . -name '*.skn' ! -name default.skn -printf 'skin/%P\n')
  } | LC_ALL=C sort
}

for arch in win32 win64; do
  name=zuno-4.3-$arch
  archive=$root/dist/$name.zip
  folder=$root/dist/$arch
  log "archive $name.zip"
  [ -f "$archive" ] || { printf '  FAIL  %s missing\n' "$archive"; failures=$((failures + 1)); continue; }
  check "dist/$arch holds exactly the release set" diff <(release_set "$folder") <(release_files "$folder")
  check "$name: every entry under $name/" test -z "$(unzip -Z1 "$archive" | grep -v "^$name/" || true)"
  check "$name: same file list as dist/$arch" diff <(zip_files "$archive" "$name") <(release_files "$folder")
  check "$name: archive intact" unzip -tqq "$archive"
  check "$name: skin gallery skinview.exe beside zuno.exe" test -n "$(unzip -Z1 "$archive" "$name/skinview.exe" 2>/dev/null)"
  check "$name: non-ASCII names marked UTF-8" test -z "$(unmarked_names "$archive")"
  unzip -qq "$archive" -d "$work/$arch"
  check "$name: same bytes as dist/$arch" diff -r -x zuno.ini -x 'zuno*.txt' "$work/$arch/$name" "$folder"
done

[ "$failures" = 0 ] || die "archive test: $failures check(s) failed"
log "archive test passed"
