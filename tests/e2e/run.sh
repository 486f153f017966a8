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
  chattr -R -i "$work" 2>/dev/null || true
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
wait_gone() {  # $1: caption; fails if that window is still there after 5 s
  local i
  for ((i = 0; i < 50; i++)); do window_with "$1" >/dev/null || return 0; sleep 0.1; done
  return 1
}
running() { kill -0 "$pid" 2>/dev/null; }
start_zuno() {  # in $run_in (default: the release copy), which receives the result logs
  (cd "${run_in:-$box}" && exec "$WINE64" "$(winepath_of "$box/zuno.exe")" >/dev/null 2>&1 </dev/null) &
  pid=$!
}
# Ends the run with Esc and starts the program again in the same folder.
restart() {
  press "$(window_with "$MAIN")" Escape
  local i
  for ((i = 0; i < 100; i++)); do running || break; sleep 0.1; done
  running && { fail "Esc did not end the program before the restart"; return 1; }
  wait "$pid" 2>/dev/null || true
  start_zuno
  wait_window "$MAIN" >/dev/null || { fail "no main window after the restart"; return 1; }
  sleep 1
}
ini_value() { iconv -f GBK -t UTF-8 "$box/zuno.ini" 2>/dev/null | tr -d '\r' | sed -n "s/^$1=//p" | head -n1; }
# The main window's top band (caption with icon and title buttons, menu bar) as a PNG.
grab_top_band() {  # the pointer is moved off the window first: no item shows it hovering
  local l t r b x y
  xdotool mousemove --sync 5 5
  read -r l t r b <<<"$(probe rect "$MAIN")"
  read -r x y <<<"$(probe origin "$MAIN")"
  grab "$1" "$l $t $r $y"
}
# The main window's client area (page, buttons) as a PNG.
grab_client() {
  local x y
  read -r x y <<<"$(probe origin "$MAIN")"
  grab "$1" "$x $y $((x + 636)) $((y + 408))"
}
# Differing pixels between two pictures of the same size, small colour noise ignored.
pixels_apart() { compare -fuzz 3% -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }
# A screenshot for review. The grab takes well over half a second, mostly waiting: it
# runs beside the flow (the screen is read at once), and the run waits for it at the end.
shot_jobs=()
shot() { { import -window root "$shots/$case-$1.png" 2>/dev/null || true; } & shot_jobs+=($!); }
# A screenshot before a step that ends the program: the window has settled and is read
# while it is still there.
shot_now() { sleep 0.5; import -window root "$shots/$case-$1.png" 2>/dev/null || true; }
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
first_skin() { find "$release/skin" -name '*.skn' | LC_ALL=C sort | head -n1; }
# The skin folder holds only bad.skn, so that it is the skin menu's only entry.
only_bad_skin() { rm -f "$box"/skin/*.skn; cat > "$box/skin/bad.skn"; }
prep_skin_menu_garbage() { head -c 20000 /dev/urandom | only_bad_skin; }
prep_skin_menu_truncated() { head -c 300 "$(first_skin)" | only_bad_skin; }
prep_skin_menu_empty() { only_bad_skin < /dev/null; }
# A stated archive size of 2^31-1 bytes over a real stream: far more than the stream can hold.
oversized() { printf '\xff\xff\xff\x7f'; tail -c +5 "$(first_skin)"; }
prep_skin_menu_oversized() { oversized | only_bad_skin; }
# A stated archive size of 8 bytes: too short to hold the version, which reads as 0.
short_archive() { printf '\x08\x00\x00\x00'; tail -c +5 "$(first_skin)"; }
# Content faults in the flows' database, made with sqlite3 after compiling it. Copies
# of the tables without their NOT NULL constraints let NULLs in.
e2e_sql() { prep_e2e; sqlite3 "$box/test.dll" "$1"; }
loose() { printf 'CREATE TABLE t AS SELECT * FROM %s; DROP TABLE %s; ALTER TABLE t RENAME TO %s;' "$1" "$1" "$1"; }
prep_db_table_missing() { e2e_sql 'DROP TABLE Humor;'; }
prep_db_column_missing() { e2e_sql 'ALTER TABLE Article DROP COLUMN Content;'; }
prep_db_nulls() {
  e2e_sql "$(loose BigQuestion) $(loose SmallQuestion) $(loose Optional)
    UPDATE SmallQuestion SET SmallQuestion = NULL WHERE ID LIKE '%Q001';
    UPDATE Optional SET optional = NULL, key = NULL WHERE ID LIKE '%Q002%';
    UPDATE BigQuestion SET result = NULL;"
  prep_logging_on
}
prep_db_overlong() {
  local long; long=$(printf '很长的文字%.0s' $(seq 1 4000))
  e2e_sql "UPDATE SmallQuestion SET SmallQuestion = '$long' WHERE ID LIKE '%Q001';
    UPDATE Optional SET optional = '$long' WHERE rowid = (SELECT min(rowid) FROM Optional);
    UPDATE BigQuestion SET BigQuestion = '$(printf 'Zuno题目%.0s' $(seq 1 500))';"
  prep_logging_on
}
prep_picture_not_jpeg() {
  e2e_sql "UPDATE SmallQuestion SET SmallQuestion = SmallQuestion || '@!##1' WHERE ID LIKE '%Q001';
    UPDATE SmallQuestion SET SmallQuestion = SmallQuestion || '@!##2' WHERE ID LIKE '%Q002';
    UPDATE SmallQuestion SET SmallQuestion = SmallQuestion || '@!##x' WHERE ID LIKE '%Q003';
    INSERT INTO picture VALUES (1, randomblob(5000));"
  prep_logging_on
}
prep_zero_questions() { e2e_sql 'DELETE FROM SmallQuestion; DELETE FROM Optional;'; prep_logging_on; }
prep_255_questions() {
  e2e_sql "WITH RECURSIVE n(i) AS (SELECT 4 UNION ALL SELECT i + 1 FROM n WHERE i < 255)
    INSERT INTO SmallQuestion SELECT printf('T0000001Q%03d', i), '第' || i || '题', 0 FROM n;
    WITH RECURSIVE n(i) AS (SELECT 4 UNION ALL SELECT i + 1 FROM n WHERE i < 255)
    INSERT INTO Optional SELECT printf('T0000001Q%03d%02d', i, 1), '是', 0 FROM n;"
}
prep_result_malformed() { e2e_sql "UPDATE BigQuestion SET result = '1--to@___!rt#@___x--to  y@___@!rt#';"; prep_logging_on; }
prep_result_huge() {
  e2e_sql "UPDATE BigQuestion SET result = '0--to  255@___@' || (SELECT group_concat('很长的结果', '') FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000) SELECT i FROM n));"
  prep_logging_on
}
# The result log's folder (the working folder) cannot be written: an immutable folder.
prep_log_folder_unwritable() {
  prep_e2e; prep_logging_on
  run_in=$work/$case-cwd; mkdir -p "$run_in"; chattr +i "$run_in"
}
# A complete zuno.ini that cannot be written (immutable): reading works, writing fails.
prep_ini_readonly() {
  prep_e2e
  printf '[inifile]\r\nexist=yes\r\n[zuno]\r\nexever=4.3\r\nNewLibNum=1\r\nOldLibNum=1\r\nNewArtNum=1\r\nOldArtNum=1\r\nNewHumorNum=1\r\nOldHumorNum=1\r\n[tool]\r\nusesound=1\r\n' > "$box/zuno.ini"
  chattr +i "$box/zuno.ini"
}
prep_skin_stored_oversized() { oversized > "$box/skin/big.skn"; stored_skin big.skn; }
prep_skin_stored_version() { short_archive > "$box/skin/old.skn"; stored_skin old.skn; }
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
flow_esc() { local w; w=$(wait_window "$MAIN") || return 1; shot_now main; press "$w" Escape; }
flow_altf4() { local w; w=$(wait_window "$MAIN") || return 1; shot_now main; press "$w" alt+F4; }
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
# Whether X window $1 is stacked above X window $2 (xwininfo lists the root's children
# top first).
stacked_above() {
  local order; order=$(xwininfo -root -children | awk '$1 ~ /^0x/ {print NR, $1}')
  local a b
  a=$(awk -v w="$(printf '0x%x' "$1")" '$2 == w {print $1}' <<<"$order")
  b=$(awk -v w="$(printf '0x%x' "$2")" '$2 == w {print $1}' <<<"$order")
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -lt "$b" ]
}
# The version gate: its message box in front of the disabled main window, closed with
# Enter, then Esc.
flow_gate() {
  local w m
  w=$(wait_window 版本太旧) || return 1
  m=$(wait_window "$MAIN") || return 1
  sleep 1
  shot gate; gate_seen=1
  stacked_above "$w" "$m" || { fail "the 版本太旧 box is behind the main window"; return 1; }
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
# and back, Enter to search, Tab to the list, Down, Tab to 详细内容, Enter. The dialog
# stays open over the test; its 退出 button closes it, then the main window's ends the
# program. Keys are not used for the ending: the opening leaves the focus in the main
# window, and under load Wine may hand a key typed at either window to the other.
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
  click control "退   出" 搜索题库 || return 1
  wait_gone 搜索题库 || { fail "退出 left the search dialog open"; return 1; }
  click control "退  出"
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

# The font through the real font dialog: Ctrl+F, a bigger size typed into its size box,
# Enter; the question is laid out again (its options move down) and looks different.
flow_font() {
  local w f before after
  w=$(wait_window "$MAIN") || return 1
  open_first 0 || return 1
  read -r _ before <<<"$(probe control 绿色 "$MAIN")"
  grab "$work/before.png"
  press "$w" ctrl+f
  f=$(wait_window 字体) || { fail "Ctrl+F showed no font dialog"; return 1; }
  shot dialog
  xdotool windowfocus --sync "$f" key --delay 150 alt+s ctrl+a
  xdotool type --delay 80 36
  sleep 0.5
  shot size-typed
  keys Return
  sleep 0.5
  shot laid-out
  window_with 字体 >/dev/null && { fail "the font dialog stayed open after Enter"; return 1; }
  read -r _ after <<<"$(probe control 绿色 "$MAIN")"
  grab "$work/after.png"
  [ -n "$before" ] && [ -n "$after" ] && [ "$after" -gt "$before" ] ||
    { fail "the third option did not move down with the bigger font ($before -> $after)"; return 1; }
  differ "$work/before.png" "$work/after.png" || { fail "the page looks the same after the font change"; return 1; }
  press "$w" Escape
}

# 工具 → 更换皮肤 → the first entry: the look changes, zuno.ini keeps the choice, and
# after a restart the program looks as it did right after the choice.
skin_menu_entry() {  # opens 工具 → 更换皮肤 and chooses its first entry
  click menubar 3 || return 1
  keys Down Down Down Right Return
  sleep 1
}
flow_skin_switch() {
  local w name
  w=$(wait_window "$MAIN") || return 1
  sleep 1
  grab "$work/default.png"
  skin_menu_entry || return 1
  shot chosen
  grab "$work/chosen.png"
  name=$(ini_value skin)
  [ -n "$name" ] && [ -f "$box/skin/$name" ] || { fail "zuno.ini names no skin of the folder (skin=$name)"; return 1; }
  differ "$work/default.png" "$work/chosen.png" || { fail "choosing $name did not change the look"; return 1; }
  restart || return 1
  shot restarted
  grab "$work/restarted.png"
  [ "$(ini_value skin)" = "$name" ] || { fail "zuno.ini lost the skin choice"; return 1; }
  [ "$(pixels_apart "$work/restarted.png" "$work/chosen.png")" -lt "$(pixels_apart "$work/restarted.png" "$work/default.png")" ] ||
    { fail "after the restart the program does not look like $name"; return 1; }
  press "$(window_with "$MAIN")" Escape
}

# A bad package chosen from the menu (the only one in skin\): the skin message, or for a
# package refused by its version the plain version notice; the page keeps its look.
flow_skin_menu_bad() {
  local w box_window before after
  w=$(wait_window "$MAIN") || return 1
  sleep 1
  grab_client "$work/before.png"
  grab_top_band "$work/band-before.png"
  skin_menu_entry || return 1
  box_window=$(wait_window "$1") || { fail "no box titled $1 after choosing the package"; return 1; }
  shot message
  probe control "$2" "$1" >/dev/null || { fail "the box $1 has no button $2"; return 1; }
  window_with 更换皮肤 >/dev/null && [ "$1" != 更换皮肤 ] && { fail "皮肤资源加载失败！ shown for a package refused by its version"; return 1; }
  press "$box_window" Return
  sleep 1
  window_with "$1" >/dev/null && { fail "the box $1 did not close with Enter"; return 1; }
  shot after
  grab_client "$work/after.png"
  grab_top_band "$work/band-after.png"
  [ "$(pixels_apart "$work/before.png" "$work/after.png")" -lt 200 ] || { fail "the page changed its look after the failed load"; return 1; }
  [ "$(pixels_apart "$work/band-before.png" "$work/band-after.png")" = 0 ] ||
    { cp "$work/band-before.png" "$shots/$case-band-before.png"; cp "$work/band-after.png" "$shots/$case-band-after.png"
      fail "the caption, its buttons or the menu bar changed after the failed load"; return 1; }
  [ "$(ini_value skin)" = "$3" ] || { fail "zuno.ini does not name the chosen package $3"; return 1; }
  press "$(window_with "$MAIN")" Escape
}
flow_skin_menu_garbage() { flow_skin_menu_bad 更换皮肤 知道了 bad.skn; }

# Error boxes (application title) are answered with Enter and counted.
dismiss_errors() {
  local e
  sleep 0.3
  while e=$(window_with "$TITLE"); do
    boxes=$((boxes + 1)); shot "error$boxes"; press "$e" Return; sleep 0.4
  done
}
# Opens the flows' test and answers every question with Enter ($answers times, default
# 4: three questions and Enter on the result page), then ends with Esc.
flow_take_test() {
  local w i
  w=$(wait_window "$MAIN") || return 1
  open_first 0 || return 1
  dismiss_errors
  shot opened
  # One Enter at a time, as a person presses it after looking: an Enter sent while an
  # error box is still coming up would close that box unseen.
  for ((i = 0; i < ${answers:-4}; i++)); do
    press "$w" Return
    dismiss_errors
  done
  shot result
  running || { fail "the program ended while the test was answered"; return 1; }
  press "$w" Escape
}
# A result field that cannot be read: 完  成 by Enter gives an error box naming the
# faulty segment; after it the page still shows the last question with 完  成, which
# gives the same box again by mouse; Esc then ends the program.
RESULT_ERROR='测试结果数据有误：第1段缺少"@___@"。'
flow_bad_result() {
  local w e attempt
  w=$(wait_window "$MAIN") || return 1
  open_first 0 || return 1
  press "$w" Return; press "$w" Return
  for attempt in keyboard mouse; do
    if [ "$attempt" = keyboard ]; then press "$w" Return; else click control "完  成" || return 1; fi
    e=$(wait_window "$TITLE") || { fail "no error box after 完  成 ($attempt)"; return 1; }
    boxes=$((boxes + 1)); shot "error-$attempt"
    probe control "$RESULT_ERROR" "$TITLE" >/dev/null || { fail "the error box does not say $RESULT_ERROR"; return 1; }
    if [ "$attempt" = keyboard ]; then press "$e" Return; else click control 确定 "$TITLE" || return 1; fi
    wait_gone "$TITLE" || { fail "the error box stayed open"; return 1; }
    probe control 一般 "$MAIN" >/dev/null && probe control "完  成" "$MAIN" >/dev/null ||
      { fail "the page no longer shows the last question with 完  成"; return 1; }
    shot "after-$attempt"
  done
  press "$w" Escape
}
# The log was opened at start and holds nothing: no result was obtained.
after_empty_log() {
  local logs; logs=$(find "$box" -maxdepth 1 -name 'zuno*.txt')
  [ "$(printf '%s\n' "$logs" | grep -c .)" = 1 ] || { why="expected one result log, found: ${logs:-none}"; return 1; }
  [ ! -s "$logs" ] || { cp "$logs" "$shots/$case-log.txt"; why="the result log holds text although no result was shown"; return 1; }
}

# The result log cannot be created in the working folder: start-up says so in an error
# box (before the main window shows); after it the test runs as usual.
flow_log_unwritable() {
  local e
  e=$(wait_window "$TITLE") || { fail "no error box about the result log"; return 1; }
  boxes=$((boxes + 1)); shot error
  probe control "无法创建测试结果记录文件 zuno*" "$TITLE" >/dev/null ||
    { fail "the error box does not name the result log it could not create"; return 1; }
  press "$e" Return
  flow_take_test
}

# Opens the article, answers what error box comes, then Esc.
flow_open_article() {
  local w
  w=$(wait_window "$MAIN") || return 1
  open_first 1 || return 1
  dismiss_errors
  shot article
  running || { fail "the program ended on opening the article"; return 1; }
  press "$w" Escape
}
# Switches result logging on from the menu (工具, fifth entry: 记录测试结果).
flow_toggle_logging() {
  local w
  w=$(wait_window "$MAIN") || return 1
  click menubar 3 || return 1
  keys Down Down Down Down Down Return
  dismiss_errors
  shot toggled
  running || { fail "the program ended on switching logging"; return 1; }
  press "$w" Escape
}
# Exactly one result log, holding one entry for the flows' test with $1 question lines.
after_log_entry() {
  local logs lines
  logs=$(find "${run_in:-$box}" -maxdepth 1 -name 'zuno*.txt')
  [ "$(printf '%s\n' "$logs" | grep -c .)" = 1 ] || { why="expected one result log, found: ${logs:-none}"; return 1; }
  iconv -f GBK -t UTF-8 "$logs" > "$work/log.txt" 2>/dev/null || { why="the result log is not GBK text"; return 1; }
  [ "$(grep -c '^测试问题：' "$work/log.txt")" = 1 ] || { why="the result log does not hold exactly one entry"; return 1; }
  lines=$(grep -c '^第[0-9]*个问题的选择为： ' "$work/log.txt")
  [ "$lines" = "${1:-3}" ] || { why="the result log lists $lines questions, expected ${1:-3}"; return 1; }
}
after_log3() { after_log_entry 3; }
after_boxes() { [ "$boxes" -gt 0 ] || { why="no error box was shown"; return 1; }; }
after_no_log() {
  [ -z "$(find "$box" "${run_in:-$box}" -maxdepth 1 -name 'zuno*.txt')" ] || { why="a result log appeared"; return 1; }
  after_boxes
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
  "font_dialog_relayout   | e2e                  | font   | 0 |"
  "skin_switch_remembered | none                 | skin_switch | 0 |"
  "skin_menu_garbage      | skin_menu_garbage    | skin_menu_garbage | 0 |"
  "skin_menu_truncated    | skin_menu_truncated  | skin_menu_garbage | 0 |"
  "skin_menu_empty        | skin_menu_empty      | skin_menu_garbage | 0 |"
  "skin_menu_oversized    | skin_menu_oversized  | skin_menu_garbage | 0 |"
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
  "db_table_missing       | db_table_missing     | errors | 1 | boxes"
  "db_column_missing      | db_column_missing    | errors | 1 | boxes"
  "db_null_values         | db_nulls             | take_test | 0 | boxes"
  "test_255_questions     | 255_questions        | take_test | 0 | boxes"
  "db_overlong_values     | db_overlong          | take_test | 0 | log3"
  "picture_not_jpeg       | picture_not_jpeg     | take_test | 0 | log3"
  "test_zero_questions    | zero_questions       | take_test | 0 |"
  "result_huge            | result_huge          | take_test | 0 | log3"
  "result_malformed       | result_malformed     | bad_result | 0 | empty_log"
  "ini_readonly_toggle    | ini_readonly         | toggle_logging | 0 | boxes"
  "log_folder_unwritable  | log_folder_unwritable| log_unwritable | 0 | no_log"
  "stored_skin_oversized  | skin_stored_oversized| esc    | 0 |"
  "stored_skin_old_version| skin_stored_version  | esc    | 0 |"
)

# ZUNO_E2E_ONLY (a regular expression) runs only the cases whose names match.
failures=0 passed=0 ran=0 run_started=$(date +%s)
for row in "${cases[@]}"; do
  IFS='|' read -r case prep flow want extra <<<"$row"
  case=$(echo $case) prep=$(echo $prep) flow=$(echo $flow) want=$(echo $want) extra=$(echo $extra)
  [[ "$case" =~ ${ZUNO_E2E_ONLY:-.} ]] || continue
  ran=$((ran + 1))
  box=$work/$case
  mkdir -p "$box"
  (cd "$release" && find . -type f ! -name zuno.ini ! -name 'zuno*.txt' -print0 | xargs -0 cp --parents -t "$box")
  boxes=0 gate_seen=0 why="" answers="" run_in=""
  "prep_$prep"
  started=$(date +%s%3N)
  start_zuno
  flow_ok=1
  "flow_$flow" || flow_ok=0
  for ((i = 0; i < 200; i++)); do running || break; sleep 0.1; done
  verdict=""
  [ "$flow_ok" = 1 ] || [ -z "$why" ] || verdict=$why
  if running; then
    import -window root "$shots/$case-hang.png" 2>/dev/null || true
    probe windows > "$shots/$case-hang.windows.txt" || true
    verdict=${verdict:-"still running (hang; its windows in $case-hang.windows.txt)"}; kill "$pid" 2>/dev/null || true
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

wait "${shot_jobs[@]}" 2>/dev/null || true   # the last screenshots
total=$(( $(date +%s) - run_started ))
[ "$failures" = 0 ] || die "end-to-end: $failures of $ran case(s) failed; screenshots in $shots"
# A shell error inside a flow abandons the whole loop: count what really passed.
[ "$passed" = "$ran" ] && [ "$ran" -gt 0 ] || die "end-to-end: only $passed of $ran case(s) ran to a verdict"
log "end-to-end: all $ran cases passed in ${total}s; screenshots in $shots"
