# The check flavour: the tests under AddressSanitizer and gcov, and the tools on the PATH run over
# the source tree.
if(MORVALEN_CHECK)
  add_compile_options(-fsanitize=address --coverage -fno-omit-frame-pointer -O0)
  add_link_options(-fsanitize=address --coverage)
  # Every test writes counters; the coverage report runs after the last of them.
  set(MORVALEN_TEST_PROPERTIES FIXTURES_REQUIRED coverage_counters)
  # clang-tidy reads how each file is compiled.
  set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
  set(in_sources WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set(program_sources calendar/date_argument.cpp calendar/weekday.cpp cli/main.cpp)
  # --delete clears the counters, so that every run measures itself alone.
  add_test(NAME coverage.floor ${in_sources}
           COMMAND gcovr --root . --object-directory ${PROJECT_BINARY_DIR} --filter calendar/ --filter cli/
                   --exclude ".*_test\\.cpp" --exclude-unreachable-branches --exclude-throw-branches
                   --delete --txt - --print-summary --fail-under-line 100 --fail-under-branch 95)
  set_tests_properties(coverage.floor PROPERTIES FIXTURES_CLEANUP coverage_counters)
  file(GLOB sources RELATIVE ${PROJECT_SOURCE_DIR} calendar/*.cpp calendar/*.h cli/*.cpp)
  # clang-tidy 19, on Debian 12 and 13 alike, whose include-cleaner holds each file to include
  # what it uses.
  find_program(MORVALEN_CLANG_TIDY NAMES clang-tidy-19 clang-tidy)
  add_test(NAME lint.clang_tidy ${in_sources} COMMAND ${MORVALEN_CLANG_TIDY} -p ${PROJECT_BINARY_DIR}
           --quiet --warnings-as-errors=* ${program_sources})
  add_test(NAME lint.cppcheck ${in_sources} COMMAND cppcheck --quiet --error-exitcode=1 --std=c++20
           --language=c++ -I . --enable=warning,style,performance,portability
           --suppress=missingIncludeSystem ${program_sources})
  add_test(NAME lint.clang_format ${in_sources} COMMAND clang-format --dry-run --Werror ${sources})
  add_test(NAME lint.manual ${in_sources} COMMAND mandoc -Tlint -W warning doc/morvalen.1)
  # Windows builds install doc/morvalen.txt, so that they need no formatter. mandoc is 1.14.6 on
  # Debian 12 and 13 alike, where groff 1.23 sets the text otherwise than 1.22; sed removes the
  # overstrikes of bold and underline.
  add_test(NAME lint.text_manual_is_current ${in_sources} COMMAND sh -c
           "mandoc -T ascii doc/morvalen.1 | sed 's/.\\x08//g' | diff -u doc/morvalen.txt -")
endif()
