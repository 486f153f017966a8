#!/usr/bin/env bash
# The Linux launcher's refusals: each row starts dist/linux/zuno with something missing
# and expects exit status 1 with the Chinese message that tells the user what to do.
# (Starting the program through it needs a fresh Wine prefix, about a minute: not here.)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/common.sh"
launcher=$root/dist/linux/zuno
[ -x "$launcher" ] || die "no $launcher: run scripts/release.sh first"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A launcher copied alone into a folder: no zuno.exe beside it or in ../win64.
mkdir -p "$work/alone"
cp "$launcher" "$root/dist/linux/wine-prefix-lib.sh" "$work/alone/"

# name | environment | launcher | expected text
rows=(
  "wine missing     | ZUNO_WINE=$work/no-wine            | $launcher         | 没有找到 Wine"
  "exe named wrong  | ZUNO_EXE=$work/none.exe            | $launcher         | 找不到 zuno.exe"
  "exe not beside   | ZUNO_WINE=/bin/false               | $work/alone/zuno  | 找不到 zuno.exe"
)
failures=0
for row in "${rows[@]}"; do
  IFS='|' read -r name env script want <<<"$row"
  name=$(echo $name) env=$(echo $env) script=$(echo $script) want=$(echo $want)
  rc=0
  out=$(env -u DISPLAY HOME="$work/home" "$env" "$script" 2>&1 </dev/null) || rc=$?
  if [ "$rc" = 1 ] && grep -qF "$want" <<<"$out"; then
    printf '  ok    %s\n' "$name"
  else
    printf '  FAIL  %s: status %s, said: %s\n' "$name" "$rc" "$out"
    failures=$((failures + 1))
  fi
done
[ "$failures" = 0 ] || die "launcher test: $failures row(s) failed"
log "launcher test passed"
