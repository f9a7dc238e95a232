# Cross-compiling for 32-bit Windows with mingw-w64 (posix thread model): the shipping build.
set(LORNIVAL_MINGW_HOST i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
