# Read by cpack for each kind of package, and again on the staged files: the program and the documents
# of the kind's component (DEB, RPM, or archive, in one top-level folder), folders 755 under any umask,
# and every file touched, for rpmbuild to clamp its time to SOURCE_DATE_EPOCH, not keep a checkout's.
if(CPACK_GENERATOR MATCHES "^(DEB|RPM)$")
  set(CPACK_COMPONENTS_ALL Unspecified ${CPACK_GENERATOR})
  set(CPACK_${CPACK_GENERATOR}_COMPONENT_INSTALL ON)
else()
  set(CPACK_COMPONENTS_ALL Unspecified archive)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
if(IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
  file(GLOB_RECURSE staged "${CPACK_TEMPORARY_DIRECTORY}/*")
  file(TOUCH ${staged})
  file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
       OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
