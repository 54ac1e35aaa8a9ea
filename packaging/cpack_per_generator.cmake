# Read by CPack once per package kind: each package takes its own install component.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_ORVANE_BINARY_DIR};orvane;zip;/")
  set(CPACK_PACKAGE_FILE_NAME "orvane-${CPACK_PACKAGE_VERSION}-windows")
  set(CPACK_STRIP_FILES OFF)  # the Windows programs are linked stripped already
elseif(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_ORVANE_BINARY_DIR};orvane;deb;/")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
