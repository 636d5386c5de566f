# A plain install puts the executable and the manual, nothing else; each kind
# of package adds its documents from a component of its own, which no plain
# install takes (cmake/package_components.cmake). Made again when one changes.
include(GNUInstallDirs)
set(made ${PROJECT_BINARY_DIR})
# An install's mkdir obeys the umask, so each component first makes its
# destinations 755 under any umask, with each folder above them that is
# missing or, below a DESTDIR (a staging folder, such as CPack's), every one.
install(CODE [[
  function(make_755_folder dir)
    string(REGEX REPLACE "/+$" "" stage "$ENV{DESTDIR}")
    string(FIND "${dir}" "${stage}/" below_stage)
    cmake_path(GET dir PARENT_PATH parent)
    if(NOT parent STREQUAL dir AND (NOT IS_DIRECTORY "${dir}" OR (stage AND below_stage EQUAL 0)))
      make_755_folder("${parent}")
      file(MAKE_DIRECTORY "${dir}")
      file(CHMOD "${dir}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
           GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endfunction()
  function(make_755)
    foreach(destination IN LISTS ARGN)
      make_755_folder("$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${destination}")
    endforeach()
  endfunction()]] ALL_COMPONENTS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             doc/morvalen.1 doc/morvalen.txt CHANGELOG LICENSE)

# Each package is named after the platform and processor that it runs on.
string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_components.cmake)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGE_CONTACT "morvalen maintainers <morvalen@example.org>")
set(CPACK_PACKAGE_VENDOR "The morvalen authors")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "morvalen takes one date, written dd/mm/yyyy, and prints the English name\n"
    "of its weekday in the Gregorian calendar, Monday to Sunday, for the years\n"
    "1753 to 9999. It reads nothing but its argument and answers with one line\n"
    "and its exit status.")
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
# Archives, the Windows zip among them, hold the licence and the README at the top.
install(CODE "make_755(.)" COMPONENT archive EXCLUDE_FROM_ALL)
install(FILES LICENSE README.md DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
if(WIN32)
  # A flat folder: morvalen.exe, and the manual as text with CR LF line ends.
  file(READ doc/morvalen.txt manual)
  string(REPLACE "\n" "\r\n" manual "${manual}")
  file(WRITE ${made}/morvalen.txt "${manual}")
  install(CODE "make_755(.)")
  install(TARGETS morvalen RUNTIME DESTINATION .)
  install(FILES ${made}/morvalen.txt DESTINATION .)
  set(kinds ZIP)
else()
  include(cmake/linux_packages.cmake)
endif()
# A user's own -DCPACK_GENERATOR stands, but a kind in it that this machine
# cannot make stops the configure; the default is every kind that it can.
foreach(kind IN LISTS kinds)
  if(cannot_${kind} AND kind IN_LIST CPACK_GENERATOR)
    message(FATAL_ERROR "${cannot_${kind}}")
  elseif(cannot_${kind})
    message(STATUS "${cannot_${kind}}")
    list(REMOVE_ITEM kinds ${kind})
  endif()
endforeach()
if(NOT DEFINED CPACK_GENERATOR)
  set(CPACK_GENERATOR ${kinds})
endif()
include(CPack)
