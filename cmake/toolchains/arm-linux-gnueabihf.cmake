# 32-bit ARM Linux, hard-float ARMv7 (Debian's armhf); the tests run under qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
set(CPACK_RPM_PACKAGE_ARCHITECTURE armv7hl)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
