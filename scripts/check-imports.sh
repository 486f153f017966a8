#!/usr/bin/env bash
# Checks that Windows executables import only Windows' own DLLs (static linking).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
allowed='^(kernel32|user32|gdi32|msvcrt|advapi32|shell32|comdlg32|comctl32|winmm|imm32|ole32|oleaut32|uxtheme|shlwapi|version|ws2_32|bcrypt|api-ms-win-[a-z0-9-]+)\.dll$'
bad=0
for exe in "$@"; do
  while read -r dll; do
    if ! printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      log "$exe imports $dll, which is not part of Windows"
      bad=1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
[ "$bad" = 0 ] || die "an executable needs DLLs that Windows does not have"
log "imports checked: $# executables use only Windows DLLs"
