# Shared part of the MinGW-w64 toolchain files; ZUNO_TRIPLE is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${ZUNO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUNO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZUNO_TRIPLE}-windres)
set(CMAKE_AR           /usr/bin/${ZUNO_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${ZUNO_TRIPLE}-ranlib CACHE FILEPATH "")

# Cross-built dependencies live in a cache outside the source tree.
if(DEFINED ENV{ZUNO_CACHE})
  set(ZUNO_DEPS_PREFIX "$ENV{ZUNO_CACHE}/deps/${ZUNO_TRIPLE}")
elseif(DEFINED ENV{XDG_CACHE_HOME})
  set(ZUNO_DEPS_PREFIX "$ENV{XDG_CACHE_HOME}/zuno/deps/${ZUNO_TRIPLE}")
else()
  set(ZUNO_DEPS_PREFIX "$ENV{HOME}/.cache/zuno/deps/${ZUNO_TRIPLE}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${ZUNO_TRIPLE} ${ZUNO_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static everything: the exe must need only Windows' own DLLs. Sections start on page
# boundaries in the file too, so that Wine maps an exe straight from the file; otherwise
# it copies the whole image into memory before the process runs (for zuno.exe ~10 ms
# of every start).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--file-alignment,4096")
