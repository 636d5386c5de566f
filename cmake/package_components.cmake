# Read by cpack for each kind of package: the program, and the documents of
# that kind's component (DEB, RPM, or archive, in one top-level folder).
if(CPACK_GENERATOR MATCHES "^(DEB|RPM)$")
  set(CPACK_COMPONENTS_ALL Unspecified ${CPACK_GENERATOR})
else()
  set(CPACK_COMPONENTS_ALL Unspecified archive)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
