# Cross-compiling for 64-bit Windows with mingw-w64 (posix thread model). Used to run the tests
# on machines whose kernel cannot execute 32-bit code (there Wine can only run 64-bit programs).
set(LORNIVAL_MINGW_HOST x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
