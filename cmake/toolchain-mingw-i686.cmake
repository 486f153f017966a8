# i686 Windows: the shipped 32-bit program. 32-bit Wine cannot run here, so it is only built.
set(ZUNO_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
