# bin/morvalen and its manual page, and the .tar.gz and .deb packages of them.
include(GNUInstallDirs)
install(TARGETS morvalen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES doc/morvalen.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR TGZ DEB)
set(CPACK_PACKAGE_CONTACT "morvalen maintainers <maintainers@users.noreply.c-seed-439382a1.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "morvalen prints the English weekday of a dd/mm/yyyy date from 1753 to 9999.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
