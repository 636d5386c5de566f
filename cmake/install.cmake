# A plain install puts the executable and the manual, nothing else; each kind
# of package adds its documents from a component of its own, which no plain
# install takes (cmake/package_components.cmake). Made again when one changes.
include(GNUInstallDirs)
# Directories that an install makes are 755 under a umask such as 002 too.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(made ${PROJECT_BINARY_DIR})
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
install(FILES LICENSE README.md DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
if(WIN32)
  # A flat folder: morvalen.exe, and the manual as text with CR LF line ends.
  file(READ doc/morvalen.txt manual)
  string(REPLACE "\n" "\r\n" manual "${manual}")
  file(WRITE ${made}/morvalen.txt "${manual}")
  install(TARGETS morvalen RUNTIME DESTINATION .)
  install(FILES ${made}/morvalen.txt DESTINATION .)
  set(kinds ZIP)
else()
  include(cmake/linux_packages.cmake)
endif()
# A user's own -DCPACK_GENERATOR stands; the default is every kind that this
# machine can make.
if(NOT DEFINED CPACK_GENERATOR)
  set(CPACK_GENERATOR ${kinds})
endif()
include(CPack)
