# 32-bit Windows: builds here, but runs nowhere on this machine, since
# Debian's 32-bit wine needs a foreign architecture.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
