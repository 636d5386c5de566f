# 32-bit Windows: builds here, but runs nowhere on this machine, since
# Debian's 32-bit wine needs a foreign architecture. With no emulator the
# tests are off.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
