# Linux: bin/morvalen and share/man/man1/morvalen.1.gz, then the .deb's and
# .rpm's own. gzip -n leaves out name and time: the same text, the same bytes.
execute_process(COMMAND gzip -9nc doc/morvalen.1 OUTPUT_FILE ${made}/morvalen.1.gz
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
install(CODE "make_755(${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_MANDIR}/man1)")
install(TARGETS morvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${made}/morvalen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Each kind needs its tool: without dpkg, CPack leaves the .deb's architecture
# empty; rpmbuild fails under a path with a space.
set(kinds TGZ DEB RPM)
find_program(DPKG dpkg)
find_program(RPMBUILD rpmbuild)
if(NOT DPKG)
  set(cannot_DEB "No .deb: dpkg is not installed")
endif()
if(NOT RPMBUILD)
  set(cannot_RPM "No .rpm: rpmbuild is not installed")
elseif(PROJECT_BINARY_DIR MATCHES " ")
  set(cannot_RPM "No .rpm: rpmbuild cannot build under a path with a space: ${PROJECT_BINARY_DIR}")
endif()

# Debian's: the licence as its copyright file, the changelog, and the reason
# for a static executable.
execute_process(COMMAND gzip -9nc CHANGELOG OUTPUT_FILE ${made}/changelog.gz
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
install(CODE "make_755(${CMAKE_INSTALL_DOCDIR})" COMPONENT DEB EXCLUDE_FROM_ALL)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright
        COMPONENT DEB EXCLUDE_FROM_ALL)
install(FILES ${made}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT DEB EXCLUDE_FROM_ALL)
if(MORVALEN_STATIC AND MORVALEN_CAN_LINK_STATIC)
  install(CODE "make_755(${CMAKE_INSTALL_DATADIR}/lintian/overrides)" COMPONENT DEB EXCLUDE_FROM_ALL)
  install(FILES cmake/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME ${PROJECT_NAME} COMPONENT DEB EXCLUDE_FROM_ALL)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# RPM's: the licence, the README and the changelog as documents.
install(CODE "make_755(${CMAKE_INSTALL_DATADIR}/licenses/${PROJECT_NAME} ${CMAKE_INSTALL_DOCDIR})"
        COMPONENT RPM EXCLUDE_FROM_ALL)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/licenses/${PROJECT_NAME}
        COMPONENT RPM EXCLUDE_FROM_ALL)
install(FILES README.md CHANGELOG DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT RPM EXCLUDE_FROM_ALL)
set(CPACK_RPM_USER_FILELIST "%license /usr/share/licenses/${PROJECT_NAME}/LICENSE"
    "%doc /usr/share/doc/${PROJECT_NAME}/README.md" "%doc /usr/share/doc/${PROJECT_NAME}/CHANGELOG")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/man /usr/share/man/man1 /usr/share/licenses)
# The package's own changelog: this packaging of the release, dated by
# SOURCE_DATE_EPOCH where it is set; the program's changes are in CHANGELOG.
string(TIMESTAMP day "%a %b %d %Y" UTC)
file(WRITE ${made}/rpm-changelog "* ${day} ${CPACK_PACKAGE_CONTACT} - ${PROJECT_VERSION}-1\n"
     "- morvalen ${PROJECT_VERSION}; /usr/share/doc/${PROJECT_NAME}/CHANGELOG lists its changes.\n")
set(CPACK_RPM_CHANGELOG_FILE ${made}/rpm-changelog)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# The same bytes wherever it is built: the commit's time, not the build's, and
# no name of the build machine.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")
