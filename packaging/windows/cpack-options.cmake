# Read by cpack for each package it makes (CPACK_PROJECT_CONFIG_FILE).
#
# The installer takes the program's folder as the install rules lay it out;
# the portable zip holds that folder as "Informacja QX", with a copy of the
# register beside the program (the "portable" component).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "informacja-${CPACK_PACKAGE_VERSION}-win64-setup")
  set(CPACK_MONOLITHIC_INSTALL ON)
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_ARCHIVE_FILE_NAME "informacja-${CPACK_PACKAGE_VERSION}-win64")
  set(CPACK_PACKAGE_FILE_NAME "Informacja QX")
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL program portable)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
