# For the toolchain files named after a target triple: its system, Debian's
# cross compilers, the target's headers and libraries, and a static link, so
# that the emulator needs nothing but the executable.
get_filename_component(triple ${CMAKE_PARENT_LIST_FILE} NAME_WE)
set(CMAKE_SYSTEM_NAME Linux)
if(triple MATCHES "mingw32$")
  set(CMAKE_SYSTEM_NAME Windows)
  # mingw-w64's -posix compilers have std::mutex, which GoogleTest needs.
  set(compiler_suffix -posix)
  # Without this the linker stamps each executable with the time of the link.
  set(no_timestamp -Wl,--no-insert-timestamp)
endif()
# GoogleTest's project enables C as well.
set(CMAKE_C_COMPILER ${triple}-gcc${compiler_suffix})
set(CMAKE_CXX_COMPILER ${triple}-g++${compiler_suffix})
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${no_timestamp}")
