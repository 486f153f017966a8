#!/usr/bin/env bash
# The performance report: builds what the measurements need, runs every benchmark
# against its anchor (natively and under wine64) and prints one table — measure,
# ours, anchor, ratio, target. Figures are medians; the machine's load is shown
# beside them, since other work on the machine slows every figure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
cd "$ZUNO_ROOT"

jobs=${ZUNO_JOBS:-2}
runs=7
lzh_runs=15
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
work=$ZUNO_ROOT/build/perf
mkdir -p "$work"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

log "building the host tools and benchmarks"
[ -f build/host/build.ninja ] || cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs" --target bench_skin_package zuno-contentgen zuno-search-sql skins >/dev/null
log "building the Windows program and its measurements"
[ -f build/mingw64/build.ninja ] || cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j"$jobs" --target zuno bare_window startup_bench search_bench menu_bench \
  wine_desktop_holder zuno_release_files >/dev/null

large=$work/large-10000.db
# Made again when the generator has changed since, so it has the current indexes.
if [ ! -f "$large" ] || [ build/host/bin/zuno-contentgen -nt "$large" ]; then
  log "making the 10,000-test database"
  build/host/bin/zuno-contentgen "$large.tmp" --tests 10000 --questions 20 --options 4 \
    --articles 5000 --humor 5000 >/dev/null
  mv "$large.tmp" "$large"
fi

rows=()
row() {  # measure ours anchor target direction(ours/anchor or anchor/ours)
  local ratio
  if [ "$2" = n/a ] || [ "$3" = n/a ]; then
    ratio=n/a
  elif [ "$5" = anchor/ours ]; then
    ratio=$(awk -v o="$2" -v a="$3" 'BEGIN { printf "%.2f", a / o }')
  else
    ratio=$(awk -v o="$2" -v a="$3" 'BEGIN { printf "%.2f", o / a }')
  fi
  rows+=("$1|$2|$3|$ratio|$4 ($5)")
}

# --- LZH decoding, natively: ours against the plain classic decoder (CPU time) ---
log "skin package decoding ($lzh_runs runs each)"
out=$work/lzh.txt
build/host/bin/bench_skin_package --benchmark_filter='BM_Decode' --benchmark_repetitions=$lzh_runs --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_color=false 2>/dev/null >"$out"
# Console lines: name, real time, unit, CPU time, unit, ...
# The fastest repetition of each: decoding is CPU-bound, and other work only adds time.
lzh() { awk -v n="$1_min" '$1 == n { printf "%.2f", $4 }' "$out"; }
row "LZH decode, shipped skins (ms)" "$(lzh BM_DecodeShippedSkins/0)" "$(lzh BM_DecodeShippedSkins/1)" ">= 1.50" anchor/ours
row "LZH decode, 1 MB package (ms)" "$(lzh BM_Decode/1)" "$(lzh BM_DecodePlain/1)" ">= 1.50" anchor/ours
row "LZH decode, 10 MB package (ms)" "$(lzh BM_Decode/10)" "$(lzh BM_DecodePlain/10)" ">= 1.50" anchor/ours

# --- Keyword search: the native sqlite3 tool, default settings, same statements ---
declare -A native
if command -v sqlite3 >/dev/null; then
  log "keyword searches in the native sqlite3 tool ($runs runs each)"
  for kind in tests articles humour; do
    for which in common nowhere; do
      keyword=挑战
      [ "$which" = nowhere ] && keyword=无此关键词
      build/host/bin/zuno-search-sql "$kind" "$keyword" >"$work/search.sql"
      native[$kind-$which]=$(for _ in $(seq "$runs"); do
        sqlite3 -cmd ".timer on" -cmd ".output /dev/null" "$large" <"$work/search.sql" 2>&1 |
          awk '/Run Time:/ { printf "%.2f\n", $4 * 1000 }'
      done | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    done
  done
fi

# --- Under wine64: search statements and start-up beside a bare window ---
log "measurements under wine64"
. "$here/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start build/mingw64/bin/wine_desktop_holder.exe
db_win=$(winepath_of "$large")
(cd build/mingw64/bin && ZUNO_BENCH_DB=$db_win LC_ALL=zh_CN.UTF-8 "$WINE64" search_bench.exe 2>/dev/null) \
  | tr -d '\r' >"$work/search.txt"
(cd build/mingw64/bin && ZUNO_BENCH_DB=$db_win LC_ALL=zh_CN.UTF-8 "$WINE64" startup_bench.exe 2>/dev/null) \
  | tr -d '\r' >"$work/startup.txt"
(cd build/mingw64/bin && ZUNO_BENCH_DB=$db_win LC_ALL=zh_CN.UTF-8 "$WINE64" menu_bench.exe 2>/dev/null) \
  | tr -d '\r' >"$work/menu.txt"
wine_session_stop
trap - EXIT
result() { awk -v k="$2" '$1 == "RESULT" && $2 == k { print $3 }' "$1"; }

for kind in tests articles humour; do
  for which in common nowhere; do
    row "search $kind, keyword ${which/common/common (挑战)} (ms)" \
      "$(result "$work/search.txt" "search_${kind}_${which}_ms")" "${native[$kind-$which]:-n/a}" "<= 0.80" ours/anchor
  done
done
bare=$(result "$work/startup.txt" startup_bare_ms)
row "start-up, sample database (ms)" "$(result "$work/startup.txt" startup_sample_ms)" "$bare" "<= 1.30" ours/anchor
row "start-up, 10,000 tests (ms)" "$(result "$work/startup.txt" startup_large_ms)" "$bare" "<= 3.00" ours/anchor
row "catalogue drop-down open, skinned (ms)" "$(result "$work/menu.txt" menu_dropdown_skinned_ms)" \
  "$(result "$work/menu.txt" menu_dropdown_native_ms)" "<= 2.00" ours/anchor
row "largest tests submenu open, skinned (ms)" "$(result "$work/menu.txt" menu_tests_skinned_ms)" \
  "$(result "$work/menu.txt" menu_tests_native_ms)" "<= 2.00" ours/anchor
bare_mem=$(result "$work/startup.txt" startup_bare_peak_mib)
row "peak working set, sample (MiB)" "$(result "$work/startup.txt" startup_sample_peak_mib)" "$bare_mem" "reported" ours/anchor
row "peak working set, 10,000 tests (MiB)" "$(result "$work/startup.txt" startup_large_peak_mib)" "$bare_mem" "reported" ours/anchor

echo
echo "Anchors: LZH = plain classic decoder (bench/skin_package/PlainLzh.cpp), CPU time, fastest of $lzh_runs;"
echo "search = native sqlite3 tool, default settings, same statement and database file;"
echo "start-up and memory = bare Win32 window exe started the same way in the same run;"
echo "menus = the same program with its skin off (native menus), first paint of each menu."
echo "Machine load (1, 5, 15 min) before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
{
  echo "measure|ours|anchor|ratio|target"
  printf '%s\n' "${rows[@]}"
} | awk -F'|' '{ for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
  END { for (r = 1; r <= NR; r++) { for (i = 1; i <= 5; i++) printf "%-*s  ", w[i], cell[r, i]; print "" } }'
