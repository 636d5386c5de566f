# Installation and packages. On Linux: bin/morvalen, the manual page and the
# copyright and changelog files that a Debian package needs. On Windows: a
# flat folder of morvalen.exe, LICENSE and the manual as plain text with CR LF
# line ends. The documents are made when configuring, again whenever one changes.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS doc/morvalen.1 CHANGELOG LICENSE)
set(made ${PROJECT_BINARY_DIR}/documents)
file(MAKE_DIRECTORY ${made})

if(WIN32)
  find_program(GROFF groff REQUIRED)
  execute_process(COMMAND ${GROFF} -man -Tascii -P-cbou doc/morvalen.1 OUTPUT_VARIABLE manual
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" "\r\n" manual "${manual}")
  file(WRITE ${made}/morvalen.txt "${manual}")
  install(TARGETS morvalen RUNTIME DESTINATION .)
  install(FILES LICENSE ${made}/morvalen.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
else()
  # gzip -n leaves out the name and time, so the same text gives the same bytes.
  execute_process(COMMAND gzip -9nc doc/morvalen.1 OUTPUT_FILE ${made}/morvalen.1.gz
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND gzip -9nc CHANGELOG OUTPUT_FILE ${made}/changelog.gz
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
  # Debian's machine-readable copyright file around the licence's text, whose
  # lines it indents by one blank, with a full stop for a blank line.
  file(READ LICENSE licence)
  string(STRIP "${licence}" licence)
  string(REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REPLACE "\n" "\n " licence "${licence}")
  file(WRITE ${made}/copyright
       "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
       "Upstream-Name: ${PROJECT_NAME}\n\nFiles: *\nCopyright: 2026 The morvalen authors\n"
       "License: Expat\n ${licence}\n")
  install(TARGETS morvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${made}/morvalen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${made}/copyright ${made}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Only the .deb holds the reason for its static executable.
  if(MORVALEN_STATIC)
    install(FILES cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${PROJECT_NAME} COMPONENT debian EXCLUDE_FROM_ALL)
  endif()
  set(CPACK_GENERATOR TGZ)
  if(NOT CMAKE_CROSSCOMPILING)
    list(APPEND CPACK_GENERATOR DEB)
  endif()
endif()

# Each package is named after the platform and processor that it runs on.
string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGE_CONTACT "morvalen maintainers <morvalen@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "morvalen takes one date, written dd/mm/yyyy, and prints the English name\n"
    "of its weekday in the Gregorian calendar, Monday to Sunday, for the years\n"
    "1753 to 9999. It reads nothing but its argument and answers with one line\n"
    "and its exit status.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The release's source archive comes from git archive; package_source, run
# from a clone, leaves out git's own files and the builds.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")
include(CPack)
