# 64-bit Windows; the tests run under wine64 in a prefix of the build's own.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
