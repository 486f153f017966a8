# shellcheck shell=bash
# Sets up a fresh Wine prefix the way the program needs it: Chinese fonts standing in
# for 宋体 and 隶书 and CJK-linked dialog fonts. Sourced by scripts/wine-prefix.sh (the
# test prefix) and by the Linux launcher, which ships it beside itself.
# Needs WINEPREFIX exported; call zuno_prefix_init WINE64 WINESERVER [EXTRA_REG_FUNCTION].

zuno_prefix_init() {
  local wine64=$1 wineserver=$2 extra=${3:-}
  mkdir -p "$WINEPREFIX"
  # wineboot needs no display; keep it from opening one.
  DISPLAY= "$wine64" wineboot --init >/dev/null 2>&1 || true
  "$wineserver" -w

  # Wine's own fonts (Marlett draws the caption buttons) are not found from Debian's
  # data folder by this build; the prefix's Fonts folder is always searched.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/symbol.ttf; do
    [ -f "$f" ] && cp -f "$f" "$fonts/"
  done

  local reg
  reg=$(mktemp --suffix=.reg)
  { zuno_prefix_registry; [ -z "$extra" ] || "$extra"; } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
  # Wine maps the Unix root to drive Z:.
  local winreg
  winreg="Z:$(realpath "$reg" | sed 's#/#\\#g')"
  DISPLAY= "$wine64" regedit /S "$winreg" >/dev/null 2>&1 || DISPLAY= "$wine64" regedit /S "$reg"
  "$wineserver" -w
  rm -f "$reg"
}

# The registry settings as a .reg text (UTF-8; the caller converts it to UTF-16).
zuno_prefix_registry() {
  local face link pad logfont metric
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
}

# Wine takes the Windows code page (936) from LC_ALL, but converts Unix file names with
# the C library's locale: where zh_CN.UTF-8 is not installed, Chinese file and folder
# names come out garbled or cannot be opened. A private copy of the locale, made once
# with localedef into $1 and named by LOCPATH, mends that without root.
# Exports LC_ALL (and LOCPATH when needed); fails when no copy can be made.
zuno_chinese_locale() {
  # Bash complains when LC_ALL names a locale it cannot load; the check runs in env.
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
  [ "$(env LC_ALL=zh_CN.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ] && return 0
  local dir=$1
  if [ ! -f "$dir/zh_CN.UTF-8/LC_CTYPE" ]; then
    command -v localedef >/dev/null || return 1
    mkdir -p "$dir"
    local tmp
    tmp=$(mktemp -d "$dir/.new.XXXXXX")
    # localedef warns about the source and exits 1 even when it wrote the locale.
    env LC_ALL=C localedef -i zh_CN -f UTF-8 "$tmp/zh_CN.UTF-8" >/dev/null 2>&1 || true
    if [ -f "$tmp/zh_CN.UTF-8/LC_CTYPE" ]; then
      mv -T "$tmp/zh_CN.UTF-8" "$dir/zh_CN.UTF-8" 2>/dev/null || true
    fi
    rm -rf "$tmp"
    [ -f "$dir/zh_CN.UTF-8/LC_CTYPE" ] || return 1
  fi
  export LOCPATH=$dir
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
  [ "$(env LC_ALL=zh_CN.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ]
}
