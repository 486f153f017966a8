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
[ -f "$helpers/e2e_probe.exe" ] || die "no $helpers/e2e_probe.exe: build the mingw64 preset first"
contentc=$root/build/host/bin/zuno-contentc
[ -x "$contentc" ] || die "no $contentc: build the host preset first"

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

# The flows' own small content set (tests/e2e/content): every menu path, result and
# log line it gives is known exactly.
mkdir -p "$work/content"
cp -r "$root/tests/e2e/content/." "$work/content/"
rm -f "$work/content/README.md"
cp "$root/data/content/softinfo.txt" "$work/content/"
"$contentc" "$work/content" "$work/e2e.db" >/dev/null || die "cannot compile tests/e2e/content"

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
probe() { "$WINE64" "$helpers/e2e_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# A flow that finds the program wrong says why and gives up.
fail() { why=$1; shot fail; return 1; }
# Clicks the centre of a part of the window titled $3 (default: the main window), as
# the probe names it: "control CAPTION" or "menubar N".
click() {
  local x y
  read -r x y <<<"$(probe "$1" "$2" "${3:-$MAIN}")" || true
  [ -n "$y" ] || { fail "no $1 $2 in ${3:-$MAIN}"; return 1; }
  xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.4
}
keys() { xdotool key --delay 120 "$@"; sleep 0.5; }
# The clipboard as the program left it, after Ctrl+C in the main window.
# Ctrl+C in the main window; the clipboard must hold exactly $2, or with $3 given, a
# text that holds the title $3 and ends in $2.
expect_clip() {  # $1: step name, $2: expected text, $3: title
  local got
  press "$(window_with "$MAIN")" ctrl+c
  sleep 0.4
  "$WINE64" "$helpers/e2e_probe.exe" clipboard > "$work/clip.txt" 2>/dev/null
  got=$(cat "$work/clip.txt"; printf x)
  if [ -z "${3:-}" ] && [ "$got" = "$2x" ]; then return 0; fi
  if [ -n "${3:-}" ] && [[ "$got" == *"$3"*"$2x" ]]; then return 0; fi
  cp "$work/clip.txt" "$shots/$case-$1.clipboard.txt"
  fail "$1: clipboard differs (see $case-$1.clipboard.txt)"
}
# A rectangle of the screen as a PNG: the main window's, unless given.
grab() {  # $1: output file, $2: optional "left top right bottom"
  local l t r b
  read -r l t r b <<<"${2:-$(probe rect "$MAIN")}"
  import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage "$1" 2>/dev/null
}
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }
gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }

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
prep_e2e() { cp "$work/e2e.db" "$box/test.dll"; }
prep_e2e_logging() { prep_e2e; prep_logging_on; }
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
# The Exit button, found by its caption.
flow_exit() {
  wait_window "$MAIN" >/dev/null || return 1
  shot main
  click control "退  出"
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

# Opens the first entry three levels down a catalogue: the bar item $1 with the mouse,
# then the keyboard inside the drop-downs.
open_first() { click menubar "$1" || return 1; keys Down Right Right Return; sleep 0.5; }

# The flows' test from the menu bar: answers by clicks, Enter and arrow keys, back and
# forth, and reads the result; the log must hold exactly this one entry.
Q1=$'你最喜欢哪种颜色？\r\n\r\n红色\r\n蓝色\r\n绿色\r\n'
RESULT=$'测试结果：本道测试题最低分为：1分,最高分为：15分，你的得分为：9分。\r\r结果乙：你的得分居中。\r\n本测验仅供自我了解。'
flow_quiz() {
  local w
  w=$(wait_window "$MAIN") || return 1
  shot main
  open_first 0 || return 1
  shot question1
  expect_clip question1 "$Q1" || return 1
  click control 蓝色 && click control 下一题 || return 1
  click control 看书 && click control 聚会 || return 1
  shot question2
  click control 上一题 || return 1
  shot back-to-question1
  grab "$work/q1.png"
  keys Return
  click control 运动 || return 1
  keys Return
  shot question3
  keys Down
  shot question3-answered
  keys Return
  shot result
  expect_clip result "$RESULT"$'\r\n\r\n' || return 1
  press "$w" Escape
}
after_quiz_log() {
  local logs; logs=$(find "$box" -maxdepth 1 -name 'zuno*.txt')
  [ "$(printf '%s\n' "$logs" | grep -c .)" = 1 ] || { why="expected one result log, found: ${logs:-none}"; return 1; }
  gbk $'测试问题：Zuno小测验\r\n第1个问题的选择为： 第2个 选项\r\n第2个问题的选择为： 第2个 选项\r\n第3个问题的选择为： 第2个 选项\r\n\r\n'"$RESULT"$'\r\n\r\n\r\n\r\n' > "$work/expected.log"
  cmp -s "$work/expected.log" "$logs" || { cp "$logs" "$shots/$case-log.txt"; why="result log differs from the expected entry (kept as $case-log.txt)"; return 1; }
}

# The search dialog with the keyboard only: F3, the keyword, Shift+Tab to the kind box
# and back, Enter to search, Tab to the list, Down, Tab to 详细内容, Enter.
flow_search() {
  local w s
  w=$(wait_window "$MAIN") || return 1
  press "$w" F3
  s=$(wait_window 搜索题库) || { fail "F3 showed no search dialog"; return 1; }
  xdotool windowfocus --sync "$s" type --delay 80 Zuno
  keys shift+Tab Tab Return
  shot found
  keys Tab Tab Down
  shot selected
  keys Tab Return
  shot opened
  expect_clip question1 "$Q1" || return 1
  press "$s" Escape 2>/dev/null || true
  press "$w" Escape
}

# An article and a humour text: the wheel and the scroll bar move the long article,
# Ctrl+C copies each text.
ARTICLE=$(for i in $(seq 1 80); do printf '第%s段：这是一篇很长的文章，用来检查阅读页面的滚动条。\r\n' "$i"; done; printf '全文完。')
flow_reading() {
  local w l t r b x
  w=$(wait_window "$MAIN") || return 1
  open_first 1 || return 1
  shot article
  read -r l t r b <<<"$(probe class ScrollBar "$MAIN")"
  [ -n "$b" ] || { fail "the long article has no scroll bar"; return 1; }
  grab "$work/top.png"
  xdotool mousemove --sync $(((l + r) / 2 - 200)) $(((t + b) / 2)) click --repeat 5 --delay 100 5
  sleep 0.5
  shot wheel
  grab "$work/wheel.png"
  differ "$work/top.png" "$work/wheel.png" || { fail "the wheel did not scroll the article"; return 1; }
  x=$(((l + r) / 2))
  xdotool mousemove --sync "$x" $((t + 25)) mousedown 1 mousemove --sync "$x" $((b - 25)) mouseup 1
  sleep 0.5
  shot dragged
  grab "$work/dragged.png"
  differ "$work/wheel.png" "$work/dragged.png" || { fail "dragging the scroll bar did not scroll the article"; return 1; }
  expect_clip article "$ARTICLE"$'\r\n\r\n\r\n\r\n' Zuno长文章 || return 1
  open_first 2 || return 1
  shot humor
  expect_clip humor $'老师问：“一加一等于几？”\r\n学生答：“等于二。”\r\n\r\n\r\n\r\n' 短笑话 || return 1
  press "$w" Escape
}

# The close box of the skinned frame: the rightmost title button, in the caption band
# above the menu bar.
flow_closebox() {
  local w l t r b x y
  w=$(wait_window "$MAIN") || return 1
  shot main
  read -r l t r b <<<"$(probe rect "$MAIN")"
  read -r x y <<<"$(probe origin "$MAIN")"
  xdotool mousemove --sync $((r - 25)) $(((t + y - 19) / 2)) click 1
}

# --- the table: name | preparation | flow | expected exit code | expected extra ----------------
# extra: "boxes" = at least one error box was shown; "gate" = the 版本太旧 box was shown;
# "log" = a result log zuno*.txt was left in the working folder; any other word names a
# check after_WORD run once the program has ended.
cases=(
  "esc_ends               | none                 | esc    | 0 |"
  "alt_f4_ends            | none                 | altf4  | 0 |"
  "exit_button_ends       | none                 | exit   | 0 |"
  "close_box_ends         | none                 | closebox | 0 |"
  "test_from_menu_logged  | e2e_logging          | quiz   | 0 | quiz_log"
  "test_from_search_keys  | e2e                  | search | 0 |"
  "article_humor_scroll_copy | e2e               | reading | 0 |"
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

# ZUNO_E2E_ONLY (a regular expression) runs only the cases whose names match.
failures=0 passed=0 ran=0
for row in "${cases[@]}"; do
  IFS='|' read -r case prep flow want extra <<<"$row"
  case=$(echo $case) prep=$(echo $prep) flow=$(echo $flow) want=$(echo $want) extra=$(echo $extra)
  [[ "$case" =~ ${ZUNO_E2E_ONLY:-.} ]] || continue
  ran=$((ran + 1))
  box=$work/$case
  mkdir -p "$box"
  (cd "$release" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -print0 | xargs -0 cp --parents -t "$box")
  "prep_$prep"
  boxes=0 gate_seen=0 why=""
  started=$(date +%s%3N)
  (cd "$box" && exec "$WINE64" ./zuno.exe >/dev/null 2>&1 </dev/null) &
  pid=$!
  flow_ok=1
  "flow_$flow" || flow_ok=0
  for ((i = 0; i < 200; i++)); do running || break; sleep 0.1; done
  verdict=""
  [ "$flow_ok" = 1 ] || [ -z "$why" ] || verdict=$why
  if running; then
    shot hang; verdict=${verdict:-"still running (hang)"}; kill "$pid" 2>/dev/null || true
  fi
  rc=0; wait "$pid" 2>/dev/null || rc=$?
  pid=""
  [ -n "$verdict" ] || [ "$flow_ok" = 1 ] || verdict=${why:-"expected window never appeared"}
  [ -n "$verdict" ] || [ "$rc" = "$want" ] || verdict="exit code $rc, expected $want"
  [ -n "$verdict" ] || [ "$extra" != boxes ] || [ "$boxes" -gt 0 ] || verdict="no error box was shown"
  [ -n "$verdict" ] || [ "$extra" != gate ] || [ "$gate_seen" = 1 ] || verdict="no 版本太旧 box"
  [ -n "$verdict" ] || [ "$extra" != log ] || [ -n "$(find "$box" -maxdepth 1 -name 'zuno*.txt')" ] || verdict="no result log"
  if [ -z "$verdict" ] && declare -F "after_$extra" >/dev/null; then "after_$extra" || verdict=$why; fi
  ms=$(( $(date +%s%3N) - started )); seconds=$((ms / 1000)).$((ms % 1000 / 100))
  if [ -z "$verdict" ]; then
    passed=$((passed + 1))
    printf '  ok    %-26s exit %s%s (%ss)\n' "$case" "$rc" "$([ "$boxes" = 0 ] || echo ", $boxes error box(es)")" "$seconds"
  else
    printf '  FAIL  %-26s %s (%ss)\n' "$case" "$verdict" "$seconds"
    failures=$((failures + 1))
  fi
done

[ "$failures" = 0 ] || die "end-to-end: $failures of $ran case(s) failed; screenshots in $shots"
# A shell error inside a flow abandons the whole loop: count what really passed.
[ "$passed" = "$ran" ] && [ "$ran" -gt 0 ] || die "end-to-end: only $passed of $ran case(s) ran to a verdict"
log "end-to-end: all $ran cases passed; screenshots in $shots"
