# 32-bit x86 Linux. This kernel cannot execute 32-bit programs, so the tests
# run under qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
