#!/usr/bin/env bash
# Creates the project's Wine prefix (outside the source tree) once: Chinese fonts for
# 宋体 and 隶书, no window-manager decorations under Xvfb. Later calls return at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

stamp=$WINEPREFIX/.zuno-ready-7
[ -f "$stamp" ] && exit 0

exec 9>"$ZUNO_CACHE/wineprefix.lock"
flock 9
[ -f "$stamp" ] && exit 0

log "creating Wine prefix in $WINEPREFIX"
mkdir -p "$WINEPREFIX"
# wineboot needs no display; keep it from opening one.
DISPLAY= "$WINE64" wineboot --init >/dev/null 2>&1 || true
"$WINESERVER" -w

# Wine's own fonts (Marlett draws the caption buttons) are not found from Debian's
# data folder by this build; the prefix's Fonts folder is always searched.
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/symbol.ttf; do
  [ -f "$f" ] && cp -f "$f" "$fonts/"
done

reg=$(mktemp --suffix=.reg)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  # Song faces take AR PL UMing (a Ming/Song design with crisp small sizes), the
  # clerical face AR PL UKai, the sans faces WenQuanYi Zen Hei.
  for face in 宋体 新宋体 SimSun NSimSun; do
    printf '"%s"="AR PL UMing CN"\r\n' "$face"
  done
  for face in 隶书 LiSu; do
    printf '"%s"="AR PL UKai CN"\r\n' "$face"
  done
  for face in 黑体 SimHei 微软雅黑 "Microsoft YaHei"; do
    printf '"%s"="WenQuanYi Zen Hei"\r\n' "$face"
  done
  # Menus and dialogs use Tahoma and MS Shell Dlg: link them to the CJK font so that
  # Chinese menu captions are drawn with real glyphs.
  link=$(printf 'wqy-zenhei.ttc,WenQuanYi Zen Hei\0\0' | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//;s/,$//')
  printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
  for face in Tahoma "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
    printf '"%s"=hex(7):%s\r\n' "$face" "$link"
  done
  # The menu, message and status fonts of the system: 宋体 of 12 pixels, GB2312.
  face=$(printf '宋体' | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//;s/,$//')
  pad=$(printf '00,%.0s' $(seq 1 60) | sed 's/,$//')
  logfont="f4,ff,ff,ff,00,00,00,00,00,00,00,00,00,00,00,00,90,01,00,00,00,00,00,86,00,00,00,00,$face,$pad"
  # Grey-scale smoothing: without it the outline CJK font breaks up at small sizes.
  printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n'
  printf '"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000001\r\n"FontSmoothingGamma"=dword:00000578\r\n'
  printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]\r\n'
  for metric in MenuFont MessageFont StatusFont; do
    printf '"%s"=hex:%s\r\n' "$metric" "$logfont"
  done
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  # Without a window manager, destroying a managed window blocks for about two seconds.
  printf '"Managed"="N"\r\n"Decorated"="N"\r\n'
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n'
  printf '"ShowCrashDialog"=dword:00000000\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
DISPLAY= "$WINE64" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || DISPLAY= "$WINE64" regedit /S "$reg"
"$WINESERVER" -w
rm -f "$reg"
touch "$stamp"
