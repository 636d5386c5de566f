# -DMORVALEN_TARGET=<triple of platforms.txt>, in the build root (.ci/root), which has them: Debian's
# cross compilers (mingw-w64's -posix ones, with the std::mutex that GoogleTest needs), a static
# link, so that the platform's runner, which runs the tests, needs nothing but the executable.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MORVALEN_TARGET)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/platforms.txt row REGEX "^${MORVALEN_TARGET} ")
if(NOT MORVALEN_TARGET OR NOT row)
  message(FATAL_ERROR "MORVALEN_TARGET '${MORVALEN_TARGET}' is no triple of cmake/platforms.txt")
endif()
string(REGEX REPLACE " +" ";" row "${row}")
list(GET row 1 CMAKE_SYSTEM_PROCESSOR)
list(GET row 2 CPACK_RPM_PACKAGE_ARCHITECTURE)
list(SUBLIST row 4 -1 CMAKE_CROSSCOMPILING_EMULATOR)
execute_process(COMMAND dpkg-architecture -t ${MORVALEN_TARGET} -qDEB_HOST_ARCH ERROR_QUIET
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
if(MORVALEN_TARGET MATCHES "mingw32$")
  set(CMAKE_SYSTEM_NAME Windows)
  set(posix -posix)
  # Without this the linker stamps each executable with the time of the link.
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
endif()
# GoogleTest, built from Debian's source package, enables C as well.
set(CMAKE_C_COMPILER ${MORVALEN_TARGET}-gcc${posix})
set(CMAKE_CXX_COMPILER ${MORVALEN_TARGET}-g++${posix})
set(MORVALEN_GTEST_SOURCE_DIR /usr/src/googletest)
