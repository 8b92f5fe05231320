# The same program built 64-bit: what the tests run under wine64.
set(MITU_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
