#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine and builds the
# cross-compiled dependencies into a cache outside the source tree.
# Safe to run again: every step checks whether it is already done.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

packages=(
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb xauth x11-utils imagemagick
  fonts-wqy-zenhei fonts-arphic-uming fonts-arphic-ukai
  cmake ninja-build nasm tcl
  googletest libgtest-dev libbenchmark-dev
  libsqlite3-dev libjpeg-dev sqlite3 libjpeg-turbo-progs libstb-dev
  clang libclang-rt-14-dev
  dpkg-dev
  fp-utils
  nsis unzip xdotool locales
)

need_install() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || return 0
  done
  return 1
}

sudo_cmd=""
[ "$(id -u)" = 0 ] || sudo_cmd="sudo"

if need_install; then
  log "installing Debian packages"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${packages[@]}"
fi

# Source packages: a copy of the machine's own Debian entry with deb-src as its type.
src_list=/etc/apt/sources.list.d/zuno-deb-src.sources
if [ ! -f "$src_list" ]; then
  log "enabling Debian source packages"
  sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo_cmd tee "$src_list" >/dev/null
  $sudo_cmd apt-get update -q
fi

"$here/build-deps.sh"
