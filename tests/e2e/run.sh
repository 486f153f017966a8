#!/usr/bin/env bash
# End-to-end runs of the release program dist/win64/zuno.exe under wine64, driven only
# as a person would (xdotool keys and clicks) and judged only by what a person sees:
# windows and their captions, screenshots (kept in build/e2e/), files and the exit code.
# Each row of the table below prepares a fresh copy of the release folder, runs one flow
# and states the outcome. Runs inside a Wine session (scripts/test.sh) or starts one.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/common.sh"
. "$root/scripts/wine-prefix-lib.sh"
release=$root/dist/win64
helpers=$root/build/mingw64/bin
shots=$root/build/e2e
[ -f "$release/zuno.exe" ] || die "no $release/zuno.exe: build the mingw64 preset first"
command -v xdotool >/dev/null || die "xdotool missing: run scripts/setup.sh"
[ -f "$helpers/e2e_client_origin.exe" ] || die "no $helpers/e2e_client_origin.exe: build the mingw64 preset first"

own_session=0
if [ -z "${DISPLAY:-}" ]; then
  . "$root/scripts/wine-session.sh"
  wine_session_start "$root/build/mingw64/bin/wine_desktop_holder.exe"
  own_session=1
fi
work=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
  [ "$own_session" = 0 ] || wine_session_stop
}
trap cleanup EXIT
zuno_chinese_locale "$ZUNO_CACHE/locale" || die "cannot make the zh_CN.UTF-8 locale"
rm -rf "$shots"
mkdir -p "$shots"

TITLE=心理测试Mobix4.3        # application title: error boxes carry it
MAIN=心理测试Mobix4.3版       # main window caption

# --- what a person can see -------------------------------------------------------------
window_names() {  # visible windows of the program: "id<TAB>caption" per line
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    printf '%s\t%s\n' "$w" "$(xprop -id "$w" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')"
  done
}
window_with() { window_names | awk -F'\t' -v t="$1" '$2 == t {print $1; exit}' | grep .; }
wait_window() {  # $1: caption; prints the window; waits up to 30 s
  local i
  for ((i = 0; i < 300; i++)); do
    window_with "$1" && return 0
    running || return 1
    sleep 0.1
  done
  return 1
}
running() { kill -0 "$pid" 2>/dev/null; }
shot() { import -window root "$shots/$case-$1.png" 2>/dev/null || true; }
press() { xdotool windowfocus --sync "$1" key "$2"; }

# --- preparations: each changes the fresh copy of the release folder in $box ----------------
prep_none() { :; }
prep_db_missing() { rm -f "$box/test.dll"; }
prep_db_empty() { : > "$box/test.dll"; }
prep_db_truncated() { head -c 4096 "$release/test.dll" > "$box/test.dll"; }
prep_db_random() { head -c 65536 /dev/urandom > "$box/test.dll"; }
prep_db_wrong_schema() { rm -f "$box/test.dll"; sqlite3 "$box/test.dll" 'CREATE TABLE notes(id INTEGER, text TEXT);'; }
prep_db_newer() { sqlite3 "$box/test.dll" "UPDATE softinfo SET information='5' WHERE rowid=(SELECT rowid FROM softinfo ORDER BY rowid LIMIT 1 OFFSET 11);"; }
prep_db_version_text() { sqlite3 "$box/test.dll" "UPDATE softinfo SET information='4.3 beta' WHERE rowid=(SELECT rowid FROM softinfo ORDER BY rowid LIMIT 1 OFFSET 11);"; }
prep_ini_garbage() { head -c 4096 /dev/urandom > "$box/zuno.ini"; }
prep_ini_folder() { mkdir "$box/zuno.ini"; }
prep_ini_empty() { : > "$box/zuno.ini"; }
prep_logging_on() { printf '[tool]\r\nrecord=1\r\n' > "$box/zuno.ini"; }
prep_no_skin_folder() { rm -rf "$box/skin"; }
prep_no_sound_folder() { rm -rf "$box/sound"; }
prep_no_help() { rm -f "$box/ZunoHelp.chm" "$box/faq.txt"; }
stored_skin() { printf '[tool]\r\nskin=%s\r\n' "$1" > "$box/zuno.ini"; }
prep_skin_stored_missing() { stored_skin gone.skn; }
prep_skin_stored_garbage() { head -c 20000 /dev/urandom > "$box/skin/bad.skn"; stored_skin bad.skn; }
prep_skin_stored_truncated() {
  local first; first=$(find "$box/skin" -name '*.skn' | LC_ALL=C sort | head -n1)
  head -c 200 "$first" > "$box/skin/cut.skn"; stored_skin cut.skn
}
prep_skin_stored_empty() { : > "$box/skin/empty.skn"; stored_skin empty.skn; }

# --- flows: each ends when the program has ended (or gives up) ---------------------------------
flow_esc() { local w; w=$(wait_window "$MAIN") || return 1; shot main; press "$w" Escape; }
flow_altf4() { local w; w=$(wait_window "$MAIN") || return 1; shot main; press "$w" alt+F4; }
# The Exit button: 89 x 33 at (493, 355) of the client area, which Windows places for us
# whatever frame a skin draws around it.
flow_exit() {
  local w origin
  w=$(wait_window "$MAIN") || return 1
  shot main
  origin=$("$WINE64" "$helpers/e2e_client_origin.exe" "$MAIN" 2>/dev/null) || return 1
  read -r cx cy <<<"${origin//$'\r'/}"
  xdotool mousemove --sync $((cx + 537)) $((cy + 371)) click 1
}
# Error boxes titled with the application title are answered with Enter until the end.
flow_errors() {
  local i w
  boxes=0
  for ((i = 0; i < 400 && boxes < 5; i++)); do
    running || return 0
    if w=$(window_with "$TITLE"); then
      boxes=$((boxes + 1)); shot "error$boxes"; press "$w" Return; sleep 0.3
    fi
    sleep 0.1
  done
}
# The version gate: its message box beside the main window, closed with Enter, then Esc.
# Without a window manager Wine stacks the X windows of this always-on-top box below the
# main window (Windows' own z-order has it on top), so the screenshot does not show it.
flow_gate() {
  local w m
  w=$(wait_window 版本太旧) || return 1
  m=$(wait_window "$MAIN") || return 1
  shot gate; gate_seen=1
  press "$w" Return
  sleep 0.5
  press "$m" Escape
}

# --- the table: name | preparation | flow | expected exit code | expected extra ----------------
# extra: "boxes" = at least one error box was shown; "gate" = the 版本太旧 box was shown;
# "log" = a result log zuno*.txt was left in the working folder.
cases=(
  "esc_ends               | none                 | esc    | 0 |"
  "alt_f4_ends            | none                 | altf4  | 0 |"
  "exit_button_ends       | none                 | exit   | 0 |"
  "db_missing             | db_missing           | errors | 1 | boxes"
  "db_empty               | db_empty             | errors | 1 | boxes"
  "db_truncated           | db_truncated         | errors | 1 | boxes"
  "db_random_bytes        | db_random            | errors | 1 | boxes"
  "db_wrong_schema        | db_wrong_schema      | errors | 1 | boxes"
  "db_version_not_number  | db_version_text      | errors | 1 | boxes"
  "db_newer_version       | db_newer             | gate   | 0 | gate"
  "ini_garbage            | ini_garbage          | esc    | 0 |"
  "ini_unwritable         | ini_folder           | errors | 1 | boxes"
  "ini_empty              | ini_empty            | esc    | 0 |"
  "logging_on_esc_keeps_log | logging_on         | esc    | 0 | log"
  "no_skin_folder         | no_skin_folder       | esc    | 0 |"
  "no_sound_folder        | no_sound_folder      | esc    | 0 |"
  "no_help_files          | no_help              | esc    | 0 |"
  "stored_skin_missing    | skin_stored_missing  | esc    | 0 |"
  "stored_skin_garbage    | skin_stored_garbage  | esc    | 0 |"
  "stored_skin_truncated  | skin_stored_truncated| esc    | 0 |"
  "stored_skin_empty      | skin_stored_empty    | esc    | 0 |"
)

failures=0 passed=0
for row in "${cases[@]}"; do
  IFS='|' read -r case prep flow want extra <<<"$row"
  case=$(echo $case) prep=$(echo $prep) flow=$(echo $flow) want=$(echo $want) extra=$(echo $extra)
  box=$work/$case
  mkdir -p "$box"
  (cd "$release" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -print0 | xargs -0 cp --parents -t "$box")
  "prep_$prep"
  boxes=0 gate_seen=0
  started=$(date +%s%3N)
  (cd "$box" && exec "$WINE64" ./zuno.exe >/dev/null 2>&1 </dev/null) &
  pid=$!
  flow_ok=1
  "flow_$flow" || flow_ok=0
  for ((i = 0; i < 200; i++)); do running || break; sleep 0.1; done
  verdict=""
  if running; then
    shot hang; verdict="still running (hang)"; kill "$pid" 2>/dev/null || true
  fi
  rc=0; wait "$pid" 2>/dev/null || rc=$?
  pid=""
  [ -n "$verdict" ] || [ "$flow_ok" = 1 ] || verdict="expected window never appeared"
  [ -n "$verdict" ] || [ "$rc" = "$want" ] || verdict="exit code $rc, expected $want"
  [ -n "$verdict" ] || [ "$extra" != boxes ] || [ "$boxes" -gt 0 ] || verdict="no error box was shown"
  [ -n "$verdict" ] || [ "$extra" != gate ] || [ "$gate_seen" = 1 ] || verdict="no 版本太旧 box"
  [ -n "$verdict" ] || [ "$extra" != log ] || [ -n "$(find "$box" -maxdepth 1 -name 'zuno*.txt')" ] || verdict="no result log"
  ms=$(( $(date +%s%3N) - started )); seconds=$((ms / 1000)).$((ms % 1000 / 100))
  if [ -z "$verdict" ]; then
    passed=$((passed + 1))
    printf '  ok    %-26s exit %s%s (%ss)\n' "$case" "$rc" "$([ "$boxes" = 0 ] || echo ", $boxes error box(es)")" "$seconds"
  else
    printf '  FAIL  %-26s %s (%ss)\n' "$case" "$verdict" "$seconds"
    failures=$((failures + 1))
  fi
done

[ "$failures" = 0 ] || die "end-to-end: $failures of ${#cases[@]} case(s) failed; screenshots in $shots"
# A shell error inside a flow abandons the whole loop: count what really passed.
[ "$passed" = "${#cases[@]}" ] || die "end-to-end: only $passed of ${#cases[@]} case(s) ran to a verdict"
log "end-to-end: all ${#cases[@]} cases passed; screenshots in $shots"
