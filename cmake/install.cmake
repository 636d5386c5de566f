# A plain install puts the executable and the manual, nothing else; each kind of package adds its
# documents from a component that no plain install takes.
include(GNUInstallDirs)
set(made ${PROJECT_BINARY_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS doc/morvalen.1 CHANGELOG cmake/rpm-macros)
# An install, of any component, makes each missing folder of its destinations 755, whatever the
# umask, and leaves every folder that exists as it is, whatever DESTDIR is.
install(CODE [[
  function(make_folders)
    foreach(folder IN LISTS ARGN)
      cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
      cmake_path(ABSOLUTE_PATH folder)
      if(CMAKE_HOST_UNIX)
        execute_process(COMMAND sh -c "umask 022 && mkdir -p \"$1\"" sh "$ENV{DESTDIR}${folder}"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endfunction()]] ALL_COMPONENTS)

# Each package is named after the platform and processor that it runs on.
string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" CPACK_SYSTEM_NAME)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CPACK_PROJECT_CONFIG_FILE})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGE_CONTACT "morvalen maintainers <morvalen@example.org>")
set(CPACK_PACKAGE_VENDOR "The morvalen authors")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/doc/description)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
foreach(kind archive DEB RPM)
  set(only_${kind} COMPONENT ${kind} EXCLUDE_FROM_ALL)
endforeach()
# Archives, the Windows zip among them, hold the licence and the README at the top.
install(CODE "make_folders(.)" ${only_archive})
install(FILES LICENSE README.md DESTINATION . ${only_archive})
if(WIN32)
  # A flat folder: morvalen.exe, and the manual as text with CR LF line ends.
  configure_file(doc/morvalen.txt morvalen.txt @ONLY NEWLINE_STYLE CRLF)
  install(CODE "make_folders(.)")
  install(TARGETS morvalen RUNTIME DESTINATION .)
  install(FILES ${made}/morvalen.txt DESTINATION .)
  set(kinds ZIP)
else()
  # bin/morvalen and share/man/man1/morvalen.1.gz, then the .deb's and the .rpm's own. gzip -n
  # leaves out name and time: the same text, the same bytes.
  execute_process(COMMAND gzip -9nc doc/morvalen.1 OUTPUT_FILE ${made}/morvalen.1.gz
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND gzip -9nc CHANGELOG OUTPUT_FILE ${made}/changelog.gz
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
  install(CODE "make_folders(${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_MANDIR}/man1)")
  install(TARGETS morvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${made}/morvalen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Debian's: the licence as its copyright, the changelog, and why the executable is static.
  install(CODE "make_folders(${CMAKE_INSTALL_DOCDIR})" ${only_DEB})
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright ${only_DEB})
  install(FILES ${made}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR} ${only_DEB})
  if(MORVALEN_STATIC AND MORVALEN_CAN_LINK_STATIC)
    install(CODE "make_folders(${CMAKE_INSTALL_DATADIR}/lintian/overrides)" ${only_DEB})
    install(FILES cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${PROJECT_NAME} ${only_DEB})
  endif()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # RPM's: the licence, the README and the changelog as documents.
  install(CODE "make_folders(${CMAKE_INSTALL_DOCDIR} ${CMAKE_INSTALL_DATADIR}/licenses/${PROJECT_NAME})" ${only_RPM})
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/licenses/${PROJECT_NAME} ${only_RPM})
  install(FILES README.md CHANGELOG DESTINATION ${CMAKE_INSTALL_DOCDIR} ${only_RPM})
  set(CPACK_RPM_USER_FILELIST "%license /usr/share/licenses/${PROJECT_NAME}/LICENSE"
      "%doc /usr/share/doc/${PROJECT_NAME}/README.md" "%doc /usr/share/doc/${PROJECT_NAME}/CHANGELOG")
  set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/man /usr/share/man/man1 /usr/share/licenses)
  # The package's own changelog: this packaging of the release, dated by SOURCE_DATE_EPOCH where
  # it is set; the program's changes are in CHANGELOG.
  string(TIMESTAMP day "%a %b %d %Y" UTC)
  configure_file(cmake/rpm-changelog.in rpm-changelog @ONLY)
  set(CPACK_RPM_CHANGELOG_FILE ${made}/rpm-changelog)
  set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
  set(CPACK_RPM_PACKAGE_LICENSE MIT)
  # The same bytes wherever it is built: the commit's time, and no host name.
  file(READ cmake/rpm-macros CPACK_RPM_SPEC_MORE_DEFINE)
  # CPack needs dpkg for a .deb (without it the architecture is empty) and rpmbuild for an .rpm,
  # which cannot be built under a path with a space.
  find_program(DPKG dpkg)
  find_program(RPMBUILD rpmbuild)
  set(kinds TGZ)
  if(DPKG)
    list(APPEND kinds DEB)
  endif()
  if(RPMBUILD AND NOT PROJECT_BINARY_DIR MATCHES " ")
    list(APPEND kinds RPM)
  endif()
endif()
# Every kind that this machine can make, or a user's own -DCPACK_GENERATOR, where a .deb or an
# .rpm that cannot be made stops the configure.
if(NOT DEFINED CPACK_GENERATOR)
  set(CPACK_GENERATOR ${kinds})
endif()
foreach(kind IN LISTS CPACK_GENERATOR)
  if(kind MATCHES "^(DEB|RPM)$" AND NOT kind IN_LIST kinds)
    message(FATAL_ERROR "No ${kind} package here: it needs dpkg, or rpmbuild and a path "
                        "without a space, not ${PROJECT_BINARY_DIR}")
  endif()
endforeach()
include(CPack)
