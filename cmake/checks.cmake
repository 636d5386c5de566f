# Checks beyond the tests, each a CTest test of its own build flavour.

set(program_sources calendar/date_argument.cpp calendar/weekday.cpp cli/main.cpp)
set(all_sources ${program_sources} calendar/date_argument_test.cpp calendar/weekday_test.cpp
    calendar/calendar_fuzz.cpp calendar/date_argument.h calendar/weekday.h
    bench/noop.cpp bench/peak_memory.cpp)

if(MORVALEN_COVERAGE)
  find_program(GCOVR gcovr REQUIRED)
  # --delete clears the counters, so that every run measures itself alone.
  add_test(NAME coverage.floor
           COMMAND ${GCOVR} --root ${PROJECT_SOURCE_DIR} --object-directory ${PROJECT_BINARY_DIR}
                   --filter calendar/ --filter cli/ --exclude ".*_(test|fuzz)\\.cpp"
                   --exclude-unreachable-branches --exclude-throw-branches --delete
                   --txt - --print-summary --fail-under-line 100 --fail-under-branch 95
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(coverage.floor PROPERTIES FIXTURES_CLEANUP coverage_counters)
endif()

if(MORVALEN_LINT)
  find_program(CLANG_TIDY clang-tidy REQUIRED)
  find_program(CPPCHECK cppcheck REQUIRED)
  find_program(CLANG_FORMAT clang-format REQUIRED)
  add_test(NAME lint.clang_tidy
           COMMAND ${CLANG_TIDY} -p ${PROJECT_BINARY_DIR} --quiet --warnings-as-errors=* ${program_sources}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  add_test(NAME lint.cppcheck
           COMMAND ${CPPCHECK} --quiet --error-exitcode=1 --std=c++20 --language=c++ -I .
                   --enable=warning,style,performance,portability --inline-suppr
                   --suppress=missingIncludeSystem ${program_sources} calendar/calendar_fuzz.cpp
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  add_test(NAME lint.clang_format
           COMMAND ${CLANG_FORMAT} --dry-run --Werror ${all_sources}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endif()
