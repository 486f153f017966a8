#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under ASan/UBSan,
# the Windows program's tests under wine64 (in Xvfb when there is no display), the
# 32-bit program as shipped, import checks and short fuzzing runs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
cd "$ZUNO_ROOT"

"$here/setup.sh"
jobs=$(nproc)
summary=()

log "native build (clang, ASan+UBSan)"
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$jobs"
log "native tests"
ctest --preset linux -j"$jobs" 2>&1 | tee build/linux/ctest.log
summary+=("native:  $(grep -E 'tests passed|tests failed' build/linux/ctest.log | tail -n1)")

log "host build (authoring tools, content database, skins, benchmarks)"
cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs"

log "Windows x86_64 build"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j"$jobs"
log "Windows i686 build (shipped program; not run: 32-bit Wine cannot run here)"
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 -j"$jobs"
"$here/check-imports.sh" build/mingw64/bin/*.exe build/mingw32/bin/*.exe

log "release archives, installers and Linux launcher"
"$here/release.sh" --no-build
tests/release/archives_test.sh
tests/release/launcher_test.sh

log "Windows tests under wine64"
. "$here/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start build/mingw64/bin/wine_desktop_holder.exe
set +e
# One at a time: the Windows tests share one screen, one focus and one foreground window.
ctest --preset mingw64 2>&1 | tee build/mingw64/ctest.log
wine_rc=${PIPESTATUS[0]}
log "installer under wine64"
tests/release/installer_test.sh
installer_rc=$?
log "end-to-end runs of the release program"
tests/e2e/run.sh
e2e_rc=$?
set -e
wine_session_stop
trap - EXIT
summary+=("windows: $(grep -E 'tests passed|tests failed' build/mingw64/ctest.log | tail -n1)")
[ "$wine_rc" = 0 ] || die "Windows tests failed"
[ "$installer_rc" = 0 ] || die "installer test failed"
[ "$e2e_rc" = 0 ] || die "end-to-end tests failed (screenshots in build/e2e)"
summary+=("release: archives, the x64 installer and the end-to-end runs checked")

# Every fuzz target runs over its seed corpus and then briefly on its own.
fuzz_seconds=${ZUNO_FUZZ_SECONDS:-20}
fuzz_total=0
while IFS=$'\t' read -r fuzzer seeds; do
  [ -n "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  work=$(mktemp -d)
  for seed in $seeds; do
    [ -d "$seed" ] && cp -r "$seed"/. "$work"/
  done
  log "fuzzing $name for ${fuzz_seconds}s"
  "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -print_final_stats=1 "$work" \
    >"build/linux/$name.log" 2>&1 || { tail -n 40 "build/linux/$name.log"; die "$name found a fault"; }
  rm -rf "$work"
  fuzz_total=$((fuzz_total + 1))
done < build/linux/fuzzers.tsv
summary+=("fuzz:    $fuzz_total targets ran ${fuzz_seconds}s each without findings")

printf '\n'
for line in "${summary[@]}"; do printf '%s\n' "$line"; done
