#!/usr/bin/env bash
# Cross-builds static SQLite, libjpeg-turbo and GoogleTest for both MinGW-w64
# targets from Debian's source packages. Results are cached per target and keyed
# by the source version, so a second run only checks stamps.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

triples=(x86_64-w64-mingw32 i686-w64-mingw32)
src_root=$ZUNO_CACHE/src
mkdir -p "$src_root" "$ZUNO_DEPS"

pkg_version() { dpkg-query -W -f='${Version}' "$1"; }
sqlite_ver=$(pkg_version libsqlite3-dev)
jpeg_ver=$(pkg_version libjpeg62-turbo-dev)
gtest_ver=$(pkg_version googletest)
mingw_ver=$(x86_64-w64-mingw32-g++-posix -dumpversion)

fetch_source() {  # name -> prints the unpacked source folder
  local name=$1 dir=$src_root/$1
  if [ ! -f "$dir/.fetched" ]; then
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && apt-get source -q "$name" >&2)
    touch "$dir/.fetched"
  fi
  find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1
}

toolchain_file() {  # triple -> path of the project's toolchain file
  case $1 in
    x86_64-*) echo "$ZUNO_ROOT/cmake/toolchain-mingw-x86_64.cmake" ;;
    i686-*)   echo "$ZUNO_ROOT/cmake/toolchain-mingw-i686.cmake" ;;
  esac
}

# The program is single-threaded and opens its database read-only: no mutexes, and
# pages read through a memory mapping (file reads are slow under Wine).
sqlite_flags="-O2 -DSQLITE_THREADSAFE=0 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_MEMSTATUS=0 \
-DSQLITE_DEFAULT_MMAP_SIZE=268435456 -DSQLITE_OMIT_SHARED_CACHE"
sqlite_key=$(printf '%s' "$sqlite_flags" | md5sum | cut -c1-8)

build_sqlite() {
  # The stamp names the flags too, so that a library built with other flags is rebuilt.
  local triple=$1 prefix=$ZUNO_DEPS/$1 stamp=$ZUNO_DEPS/$1/.stamp-sqlite-$sqlite_ver-$mingw_ver-$sqlite_key
  [ -f "$stamp" ] && return 0
  log "building SQLite $sqlite_ver for $triple"
  local src; src=$(fetch_source sqlite3)
  local amalg=$ZUNO_CACHE/sqlite-amalgamation-$sqlite_ver
  if [ ! -f "$amalg/sqlite3.c" ]; then
    rm -rf "$amalg.build" && mkdir -p "$amalg.build"
    (cd "$amalg.build" && "$src/configure" --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
    mkdir -p "$amalg" && cp "$amalg.build"/sqlite3.c "$amalg.build"/sqlite3.h "$amalg/"
    rm -rf "$amalg.build"
  fi
  local obj; obj=$(mktemp -d)
  # shellcheck disable=SC2086
  "$triple-gcc-posix" $sqlite_flags -c "$amalg/sqlite3.c" -o "$obj/sqlite3.o"
  mkdir -p "$prefix/lib" "$prefix/include"
  # Replaced in one step: other builds may be linking against the old one.
  "$triple-ar" rcs "$prefix/lib/libsqlite3.a.new.$$" "$obj/sqlite3.o"
  cp "$amalg/sqlite3.h" "$prefix/include/"
  mv -f "$prefix/lib/libsqlite3.a.new.$$" "$prefix/lib/libsqlite3.a"
  rm -rf "$obj"
  touch "$stamp"
}

build_jpeg() {
  local triple=$1 prefix=$ZUNO_DEPS/$1 stamp=$ZUNO_DEPS/$1/.stamp-jpeg-$jpeg_ver-$mingw_ver
  [ -f "$stamp" ] && return 0
  log "building libjpeg-turbo $jpeg_ver for $triple"
  local src; src=$(fetch_source libjpeg-turbo)
  local bld; bld=$(mktemp -d)
  cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(toolchain_file "$triple")" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON >/dev/null
  cmake --build "$bld" --target jpeg-static >/dev/null
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$bld/libjpeg.a" "$prefix/lib/"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$bld/jconfig.h" "$prefix/include/"
  rm -rf "$bld"
  touch "$stamp"
}

build_gtest() {
  local triple=$1 prefix=$ZUNO_DEPS/$1 stamp=$ZUNO_DEPS/$1/.stamp-gtest-$gtest_ver-$mingw_ver
  [ -f "$stamp" ] && return 0
  log "building GoogleTest $gtest_ver for $triple"
  local bld; bld=$(mktemp -d)
  cmake -S /usr/src/googletest -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(toolchain_file "$triple")" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON >/dev/null
  cmake --build "$bld" >/dev/null
  cmake --install "$bld" >/dev/null
  rm -rf "$bld"
  touch "$stamp"
}

for t in "${triples[@]}"; do
  build_sqlite "$t"
  build_jpeg "$t"
  build_gtest "$t"
done
log "dependencies ready in $ZUNO_DEPS"
