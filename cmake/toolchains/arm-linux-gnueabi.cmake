# 32-bit ARM Linux, soft-float ARMv5TE (Debian's armel), which the ARMv6 of the
# Raspberry Pi 1 and Zero runs too; the tests run under qemu-arm on an ARM1176.
set(CMAKE_SYSTEM_PROCESSOR armv5tel)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -cpu arm1176)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armel)
set(CPACK_RPM_PACKAGE_ARCHITECTURE armv5tel)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
