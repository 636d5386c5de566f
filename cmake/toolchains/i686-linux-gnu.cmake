# 32-bit x86 Linux; the tests run under qemu-i386 (this kernel runs no 32-bit programs).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
set(CPACK_RPM_PACKAGE_ARCHITECTURE i686)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
