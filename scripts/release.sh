#!/usr/bin/env bash
# Makes the release artefacts in dist/ from the release folders dist/win32 and dist/win64:
# the archives zuno-4.3-win32.zip and zuno-4.3-win64.zip, the per-user NSIS installers
# zuno-4.3-setup-x86.exe and zuno-4.3-setup-x64.exe, and the Linux launcher in dist/linux.
# Builds the host, mingw64 and mingw32 presets first unless called with --no-build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
cd "$ZUNO_ROOT"

build=1
[ "${1:-}" = "--no-build" ] && build=0
if [ "$build" = 1 ]; then
  "$here/setup.sh"
  for preset in host mingw64 mingw32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
  done
fi
command -v makensis >/dev/null || die "makensis not found: run scripts/setup.sh"

dist=$ZUNO_ROOT/dist
work=$ZUNO_ROOT/build/release
rm -rf "$work"
mkdir -p "$work"

# What running the program leaves in its folder (scripts/run.sh runs it from
# dist/win64) is the user's, not part of a release.
release_files() {  # $1: release folder; prints relative paths of files, sorted
  (cd "$1" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -printf '%P\n' | LC_ALL=C sort)
}

for arch in win32 win64; do
  [ -f "$dist/$arch/zuno.exe" ] || die "release folder $dist/$arch has no zuno.exe: build the presets first"
done

# Archives: one top folder named like the archive, holding the release folder. CMake's
# zip writer marks names as UTF-8 (the skin packages have Chinese names); Debian's zip
# stores them unmarked, which Windows would read as GBK.
for arch in win32 win64; do
  name=zuno-4.3-$arch
  stage=$work/zip-$arch/$name
  mkdir -p "$stage"
  release_files "$dist/$arch" > "$work/$arch.files"
  (cd "$dist/$arch" && xargs -d '\n' cp --parents -p -t "$stage/" < "$work/$arch.files")
  (cd "$work/zip-$arch" && cmake -E tar cf "$work/$name.zip" --format=zip "$name")
  mv -f "$work/$name.zip" "$dist/$name.zip"
  log "wrote dist/$name.zip ($(wc -l < "$work/$arch.files") files)"
done

# Installers: the file lists become NSIS install and uninstall steps.
nsis_lists() {  # $1: release folder, $2: output folder
  local files=$1 out=$2 f dir
  mkdir -p "$out"
  : > "$out/install.nsh"
  : > "$out/uninstall.nsh"
  local lastdir="-"
  while IFS= read -r f; do
    dir=$(dirname "$f")
    if [ "$dir" != "$lastdir" ]; then
      if [ "$dir" = . ]; then printf 'SetOutPath "$INSTDIR"\n'; else printf 'SetOutPath "$INSTDIR\\%s"\n' "${dir//\//\\}"; fi
      lastdir=$dir
    fi >> "$out/install.nsh"
    printf 'File "%s/%s"\n' "$files" "$f" >> "$out/install.nsh"
    printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}" >> "$out/uninstall.nsh"
  done < <(release_files "$files")
  # Sub-folders deepest first; RMDir leaves any that still hold the user's files.
  (cd "$files" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r) | while IFS= read -r dir; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"
  done >> "$out/uninstall.nsh"
}

icon=$ZUNO_ROOT/build/host/icon/zuno.ico
for pair in win32:x86 win64:x64; do
  arch=${pair%%:*} nsarch=${pair##*:}
  out=zuno-4.3-setup-$nsarch.exe
  nsis_lists "$dist/$arch" "$work/nsis-$nsarch"
  icon_def=()
  [ -f "$icon" ] && icon_def=(-DICON="$icon")
  makensis -V2 -INPUTCHARSET UTF8 -DARCH="$nsarch" -DFILES="$dist/$arch" -DLISTS="$work/nsis-$nsarch" \
    -DOUTFILE="$work/$out" "${icon_def[@]}" "$here/installer/zuno.nsi" >"$work/makensis-$nsarch.log" 2>&1 \
    || { cat "$work/makensis-$nsarch.log" >&2; die "makensis failed for $out"; }
  mv -f "$work/$out" "$dist/$out"
  log "wrote dist/$out"
done

# Linux launcher: the script, the prefix set-up it shares with the test scripts, a
# desktop entry and its icon.
rm -rf "$dist/linux"
mkdir -p "$dist/linux"
install -m 755 "$here/linux/zuno" "$dist/linux/zuno"
install -m 644 "$here/wine-prefix-lib.sh" "$dist/linux/wine-prefix-lib.sh"
install -m 644 "$here/linux/zuno.desktop" "$dist/linux/zuno.desktop"
[ -f "$icon" ] && convert "${icon}[2]" "$dist/linux/zuno-mobix.png"
log "wrote dist/linux (launcher, desktop entry, icon)"
