#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's prefix. ctest uses it as the
# emulator for the Windows tests; the run and test scripts use it too.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
. "$here/wine-prefix-lib.sh"
# ANSI code page 936, and Chinese file names that survive the trip through Linux.
zuno_chinese_locale "$ZUNO_CACHE/locale" || export LC_ALL=zh_CN.UTF-8
"$here/wine-prefix.sh"
exec "$WINE64" "$@"
