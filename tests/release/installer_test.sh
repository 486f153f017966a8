#!/usr/bin/env bash
# The 64-bit installer as a user meets it: a silent install into a fresh folder, the
# program started from there until its main window shows, then the silent uninstaller,
# which must take every installed file and shortcut but leave zuno.ini and result logs.
# Runs inside a Wine session (scripts/test.sh) or starts one of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/common.sh"
. "$root/scripts/wine-prefix-lib.sh"
setup=$root/dist/zuno-4.3-setup-x64.exe
release=$root/dist/win64
[ -f "$setup" ] || die "no $setup: run scripts/release.sh first"

own_session=0
if [ -z "${DISPLAY:-}" ]; then
  . "$root/scripts/wine-session.sh"
  trap wine_session_stop EXIT
  wine_session_start "$root/build/mingw64/bin/wine_desktop_holder.exe"
  own_session=1
fi

work=$(mktemp -d)
cleanup() {
  [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
  [ "$own_session" = 0 ] || wine_session_stop
}
trap cleanup EXIT
target=$work/安装目录
failures=0
check() {  # $1: description; the rest: a command that must succeed
  local what=$1; shift
  if "$@"; then printf '  ok    %s\n' "$what"; else printf '  FAIL  %s\n' "$what"; failures=$((failures + 1)); fi
}
wait_for() {  # $1: tenths of a second; the rest: a command polled until it succeeds
  local n=$1 i; shift
  for ((i = 0; i < n; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}
installed_files() { (cd "$target" && find . -type f -printf '%P\n' | LC_ALL=C sort); }
release_files() {
  (cd "$release" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -printf '%P\n' | LC_ALL=C sort)
}
menu=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/心理测试Mobix4.3
shortcuts() { (cd "$menu" 2>/dev/null && find . -name '*.lnk' -printf '%P\n' | LC_ALL=C sort); }
expected_shortcuts() {
  { printf '%s\n' 心理测试Mobix4.3.lnk 使用说明.lnk "卸载 心理测试Mobix4.3.lnk"
    [ -f "$release/skinview.exe" ] && printf '皮肤一览.lnk\n'; } | LC_ALL=C sort
}
main_window() {  # prints the X window of the program's main window, if shown
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    xprop -id "$w" _NET_WM_NAME 2>/dev/null | grep -q '"心理测试Mobix4.3版"' && { echo "$w"; return 0; }
  done
  return 1
}

zuno_chinese_locale "$ZUNO_CACHE/locale" || die "cannot make the zh_CN.UTF-8 locale"

log "installer: silent install into a folder with a Chinese name"
"$WINE64" "$setup" /S "/D=$(winepath_of "$work")\\安装目录" >/dev/null 2>&1
check "installer exits and leaves the release files plus uninstall.exe" \
  diff <(installed_files) <({ release_files; echo uninstall.exe; } | LC_ALL=C sort)
check "zuno.exe installed unchanged" cmp -s "$release/zuno.exe" "$target/zuno.exe"
check "Start-menu shortcuts" diff <(shortcuts) <(expected_shortcuts)

log "installer: the installed program starts from its folder"
cd "$target"
"$WINE64" ./zuno.exe >/dev/null 2>&1 </dev/null &
pid=$!
check "main window 心理测试Mobix4.3版 appears" wait_for 300 eval 'main_window >/dev/null'
check "settings file created beside the program" wait_for 50 test -f "$target/zuno.ini"
import -window root "$work/installed.png" 2>/dev/null && mkdir -p "$root/build/release" \
  && cp "$work/installed.png" "$root/build/release/installed-program.png"
if w=$(main_window); then
  xdotool windowfocus --sync "$w" key Escape
fi
check "Esc ends the program" wait_for 150 eval '! kill -0 "$pid" 2>/dev/null'
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
cd "$work"

log "installer: the silent uninstaller keeps the user's files"
printf '测试结果\r\n' | iconv -f UTF-8 -t GBK > "$target/zuno01.txt"
"$WINE64" "$target/uninstall.exe" /S >/dev/null 2>&1
# The uninstaller runs on from a copy in the temp folder and removes itself last.
check "uninstaller removes itself" wait_for 150 eval '[ ! -e "$target/uninstall.exe" ]'
sleep 0.5
check "only zuno.ini and the result log remain" diff <(installed_files) <(printf '%s\n' zuno.ini zuno01.txt)
check "no empty sub-folders remain" test -z "$(find "$target" -mindepth 1 -type d)"
check "Start-menu folder removed" test ! -e "$menu"

[ "$failures" = 0 ] || die "installer test: $failures check(s) failed"
log "installer test passed"
