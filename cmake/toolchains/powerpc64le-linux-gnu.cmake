# 64-bit little-endian POWER Linux; the tests run under qemu-ppc64le.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-ppc64le)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ppc64el)
set(CPACK_RPM_PACKAGE_ARCHITECTURE ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
