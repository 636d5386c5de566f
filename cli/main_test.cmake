# End-to-end cases for the morvalen executable, one line each: the expected
# exit status, standard output and standard error, then the arguments.
#   cmake -DMORVALEN=path [-DEMULATOR=runner] [-DNEWLINE=CRLF] -P main_test.cmake
# EMULATOR runs a cross-built executable; NEWLINE=CRLF is for Windows text streams.

if(NEWLINE STREQUAL "CRLF")
  set(nl "\r\n")
else()
  set(nl "\n")
endif()
set(usage "Usage:  morvalen dd/mm/yyyy  (NB: 1752 < year < 10000)${nl}")
set(day_range "Day number out of range for this month${nl}")
set(write_error "Write error on standard output${nl}")
if(WIN32 OR NEWLINE STREQUAL "CRLF")
  set(failure -1)
else()
  set(failure 255)
endif()
set(failures 0)

# Runs morvalen with ARGN, standard output going to OUTPUT_FILE when set.
function(check name status out err)
  if(output_file)
    set(redirect OUTPUT_FILE ${output_file})
  else()
    set(redirect OUTPUT_VARIABLE actual_out)
  endif()
  execute_process(COMMAND ${EMULATOR} ${MORVALEN} ${ARGN} ${redirect}
                  ERROR_VARIABLE actual_err RESULT_VARIABLE actual_status)
  if("${actual_status}" STREQUAL "${status}" AND "${actual_out}" STREQUAL "${out}"
     AND "${actual_err}" STREQUAL "${err}")
    message(STATUS "pass  ${name}")
  else()
    message(STATUS "FAIL  ${name}\n"
            "  status ${actual_status}, expected ${status}\n"
            "  stdout [${actual_out}], expected [${out}]\n"
            "  stderr [${actual_err}], expected [${err}]")
    math(EXPR count "${failures} + 1")
    set(failures ${count} PARENT_SCOPE)
  endif()
endfunction()

#     name                     status     stdout          stderr         arguments
check("no argument"            ${failure} ""              "${usage}")
check("two arguments"          ${failure} ""              "${usage}"     01/01/1753 extra)
check("blanks around slashes"  ${failure} ""              "${usage}"     01 / 01 / 1753)
check("first day"              0          "Monday${nl}"   ""             01/01/1753)
check("worked example"         0          "Tuesday${nl}"  ""             25/12/1753)
check("last day of 1753"       0          "Monday${nl}"   ""             31/12/1753)
check("last day"               0          "Friday${nl}"   ""             31/12/9999)
check("leap day 2000"          0          "Tuesday${nl}"  ""             29/02/2000)
check("trailing bytes"         0          "Friday${nl}"   ""             31/12/9999abc)
check("blank before year"      0          "Friday${nl}"   ""             "31/12/ 9999")
check("other separators"       0          "Thursday${nl}" ""             01-02-1753)
check("year 1752"              ${failure} ""              "${usage}"     01/01/1752)
check("year 10000"             ${failure} ""              "${usage}"     01/01/10000)
check("day 32"                 ${failure} ""              "${usage}"     32/01/1753)
check("month 13"               ${failure} ""              "${usage}"     01/13/1753)
check("no leading zeros"       ${failure} ""              "${usage}"     1/1/1753)
check("day 0"                  ${failure} ""              "${usage}"     00/02/1753)
check("month 0"                ${failure} ""              "${usage}"     01/00/2000)
check("day -1"                 ${failure} ""              "${usage}"     -1/01/2000)
check("29 Feb, common year"    ${failure} ""              "${day_range}" 29/02/1753)
check("29 Feb, century"        ${failure} ""              "${day_range}" 29/02/1900)
check("31 April"               ${failure} ""              "${day_range}" 31/04/2000)

if(EXISTS /dev/full)
  set(output_file /dev/full)
  check("standard output full" ${failure} ""              "${write_error}" 01/01/2000)
  unset(output_file)
endif()
find_program(SH sh)
if(SH AND NOT NEWLINE STREQUAL "CRLF")
  set(closed_stdout ${SH} -c "exec \"$@\" >&-" sh)
  set(EMULATOR ${closed_stdout} ${EMULATOR})
  check("standard output closed" ${failure} ""            "${write_error}" 01/01/2000)
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} end-to-end case(s) failed")
endif()
