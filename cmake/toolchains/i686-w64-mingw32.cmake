# 32-bit Windows, the program's native platform; the tests run under 32-bit
# wine in a Debian root of its own (.ci/wine32), which the configure prepares.
# Where this machine cannot run it, the configure says why and the tests are off.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
set(wine32 ${CMAKE_CURRENT_LIST_DIR}/../../.ci/wine32)
execute_process(COMMAND ${wine32} RESULT_VARIABLE status)
if(status EQUAL 0)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${wine32})
endif()
