# 32-bit Windows; no emulator runs it here (Debian's 32-bit wine is of a
# foreign architecture), so the tests are off.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
