# Starts and stops what Windows programs need around a run: an X display (Xvfb when
# there is none), a persistent wineserver and Wine's desktop process. Sourced.
# Without the persistent server and desktop, Wine's helper processes inherit ctest's
# output pipe and every test waits for them.

zuno_xvfb_pid=""
zuno_holder_pid=""

wine_session_start() {  # $1: path of the desktop-holder exe (optional)
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    zuno_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$n" ] || die "Xvfb did not start on :$n"
    log "started Xvfb on $DISPLAY"
  fi
  "$ZUNO_ROOT/scripts/wine-prefix.sh"
  "$WINESERVER" -p
  LC_ALL=zh_CN.UTF-8 "$WINE64" wineboot >/dev/null 2>&1 || true
  if [ -n "${1:-}" ]; then
    local ready; ready=$(mktemp -u)
    LC_ALL=zh_CN.UTF-8 "$WINE64" "$1" "$(winepath_of "$(dirname "$ready")")\\$(basename "$ready")" \
      >/dev/null 2>&1 </dev/null &
    zuno_holder_pid=$!
    local i
    for i in $(seq 1 300); do
      [ -f "$ready" ] && break
      sleep 0.1
    done
    [ -f "$ready" ] || die "Wine's desktop did not come up"
    rm -f "$ready"
  fi
}

wine_session_stop() {
  [ -n "$zuno_holder_pid" ] && kill "$zuno_holder_pid" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  if [ -n "$zuno_xvfb_pid" ]; then
    kill "$zuno_xvfb_pid" 2>/dev/null || true
    wait "$zuno_xvfb_pid" 2>/dev/null || true
    unset DISPLAY
  fi
  zuno_holder_pid="" zuno_xvfb_pid=""
}
