#!/usr/bin/env bash
# Creates the project's Wine prefix (outside the source tree) once: Chinese fonts for
# 宋体 and 隶书, no window-manager decorations under Xvfb. Later calls return at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
. "$here/wine-prefix-lib.sh"

stamp=$WINEPREFIX/.zuno-ready-7
[ -f "$stamp" ] && exit 0

exec 9>"$ZUNO_CACHE/wineprefix.lock"
flock 9
[ -f "$stamp" ] && exit 0

# Settings for tests under Xvfb only; a user's prefix keeps Wine's defaults.
test_registry() {
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  # Without a window manager, destroying a managed window blocks for about two seconds.
  printf '"Managed"="N"\r\n"Decorated"="N"\r\n'
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
  printf '"ShowCrashDialog"=dword:00000000\r\n'
}

log "creating Wine prefix in $WINEPREFIX"
zuno_prefix_init "$WINE64" "$WINESERVER" test_registry
touch "$stamp"
