# Shared settings for the project's scripts; sourced, not run.
ZUNO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZUNO_CACHE=${ZUNO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zuno}
ZUNO_DEPS=$ZUNO_CACHE/deps
export WINEPREFIX=${ZUNO_WINEPREFIX:-$ZUNO_CACHE/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
mkdir -p "$ZUNO_CACHE"

log() { printf '[zuno] %s\n' "$*" >&2; }
die() { printf '[zuno] error: %s\n' "$*" >&2; exit 1; }

# Wine maps the Unix root to drive Z:.
winepath_of() { printf 'Z:%s' "$(realpath "$1" | sed 's#/#\\#g')"; }
