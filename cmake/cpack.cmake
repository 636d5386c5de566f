# Read by cpack for each kind of package, and again on the files it has staged: the program and the
# documents of that kind's component (DEB, RPM, or archive, in one top-level folder), in folders 755
# under any umask.
if(CPACK_GENERATOR MATCHES "^(DEB|RPM)$")
  set(CPACK_COMPONENTS_ALL Unspecified ${CPACK_GENERATOR})
else()
  set(CPACK_COMPONENTS_ALL Unspecified archive)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
if(IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
  file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
       OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
