# Releases, made by one command in a native tree configured with ORVANE_I686_BUILD:
#   cmake --build build/native --target release
# writes into build/native/release/ orvane-VERSION-windows.zip (the 32-bit programs of the tree
# ORVANE_I686_BUILD, the guide, the demo's sources, the licence, a start-here text),
# orvane-pack_VERSION_amd64.deb (this tree's orvane-pack, the player under /usr/share/orvane, a
# manual page, the guide, the demo, copyright and changelog) and SHA256SUMS, through CPack.
set(ORVANE_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(ORVANE_STAGE ${CMAKE_BINARY_DIR}/release-stage)

# The changelog's newest entry names the project's version: a release never ships an old one.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG ORVANE_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT ORVANE_CHANGELOG_TOP MATCHES "^orvane-pack \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR
          "CHANGELOG's first entry is not version ${PROJECT_VERSION}: ${ORVANE_CHANGELOG_TOP}")
endif()

# What the packages hold beyond the sources as they are: the demo's art, the manual page, the
# compressed changelog and the start-here text.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ORVANE_DEMO_ART ${ORVANE_STAGE}/demo-art)
add_custom_command(OUTPUT ${ORVANE_DEMO_ART}/main_background.png
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/demo/draw_art.py ${ORVANE_DEMO_ART}
  DEPENDS ${PROJECT_SOURCE_DIR}/demo/draw_art.py COMMENT "Drawing the demo's art")
add_custom_command(OUTPUT ${ORVANE_STAGE}/orvane-pack.1.gz ${ORVANE_STAGE}/changelog.gz
  COMMAND help2man --no-info --name "compile, pack, check and preview Orvane disc menus"
          --output ${ORVANE_STAGE}/orvane-pack.1 $<TARGET_FILE:orvane-pack>
  COMMAND gzip -9nf ${ORVANE_STAGE}/orvane-pack.1
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/CHANGELOG > ${ORVANE_STAGE}/changelog.gz
  DEPENDS orvane-pack ${PROJECT_SOURCE_DIR}/CHANGELOG
  COMMENT "Writing the manual page")
set(ORVANE_VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/packaging/START-HERE.txt ${ORVANE_STAGE}/START-HERE.txt @ONLY
               NEWLINE_STYLE CRLF)
add_custom_target(orvane_release_files DEPENDS ${ORVANE_DEMO_ART}/main_background.png
                  ${ORVANE_STAGE}/orvane-pack.1.gz)

# The demo, as sources an author starts from: JSON, art and the disc's documents.
file(GLOB ORVANE_DEMO_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/demo/*.json)
foreach(component zip deb)
  set(demo_place demo)
  if(component STREQUAL deb)
    set(demo_place share/orvane/demo)
  endif()
  install(FILES ${ORVANE_DEMO_SOURCES} DESTINATION ${demo_place} COMPONENT ${component})
  install(DIRECTORY ${ORVANE_DEMO_ART}/ ${PROJECT_SOURCE_DIR}/demo/disc
          DESTINATION ${demo_place} COMPONENT ${component})
endforeach()

# The Windows zip.
install(PROGRAMS ${ORVANE_I686_BUILD}/src/win32/orvane.exe
                 ${ORVANE_I686_BUILD}/src/pack/orvane-pack.exe DESTINATION . COMPONENT zip)
install(FILES ${PROJECT_SOURCE_DIR}/docs/authoring.md DESTINATION docs COMPONENT zip)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT zip)
install(FILES ${ORVANE_STAGE}/START-HERE.txt DESTINATION . COMPONENT zip)

# The Debian package (installed below /usr).
install(TARGETS orvane-pack RUNTIME DESTINATION bin COMPONENT deb)
install(FILES ${ORVANE_I686_BUILD}/src/win32/orvane.exe DESTINATION share/orvane COMPONENT deb)
install(FILES ${ORVANE_STAGE}/orvane-pack.1.gz DESTINATION share/man/man1 COMPONENT deb)
install(FILES ${PROJECT_SOURCE_DIR}/docs/authoring.md ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${ORVANE_STAGE}/changelog.gz
        DESTINATION share/doc/orvane-pack COMPONENT deb)

set(CPACK_PACKAGE_NAME orvane-pack)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <orvane@lists.orvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for the Orvane disc menu player")
set(CPACK_PACKAGE_DESCRIPTION
    "orvane-pack compiles menus from JSON and PNG sources and packs them into\n\
orvane.exe, the Orvane menu player for Windows distribution discs (shipped in\n\
/usr/share/orvane). It checks a disc folder, writes its ISO image, and shows\n\
the menus as web pages, live while they are edited.")
set(CPACK_PACKAGE_DIRECTORY ${ORVANE_RELEASE_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvane.org/")
set(CPACK_DEBIAN_FILE_NAME "orvane-pack_${PROJECT_VERSION}_amd64.deb")
set(CPACK_ORVANE_BINARY_DIR ${CMAKE_BINARY_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_per_generator.cmake)
include(CPack)

add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ORVANE_RELEASE_DIR}
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -G "ZIP;DEB"
  COMMAND ${CMAKE_COMMAND} -E chdir ${ORVANE_RELEASE_DIR} sh -c
          "sha256sum orvane-*-windows.zip orvane-pack_*_amd64.deb > SHA256SUMS"
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ORVANE_RELEASE_DIR}/_CPack_Packages
  COMMAND ls -l ${ORVANE_RELEASE_DIR}
  DEPENDS orvane_release_files
  COMMENT "Making the release packages in ${ORVANE_RELEASE_DIR}"
  VERBATIM)

if(ORVANE_TESTS AND ORVANE_PLAYER_EXE)
  add_test(NAME release_packages COMMAND bash ${PROJECT_SOURCE_DIR}/tests/release/test_release.sh)
  set_tests_properties(release_packages PROPERTIES
    ENVIRONMENT "ORVANE_NATIVE_BUILD=${CMAKE_BINARY_DIR};ORVANE_SOURCE=${PROJECT_SOURCE_DIR};\
ORVANE_VERSION=${PROJECT_VERSION};ORVANE_PLAYER_EXE=${ORVANE_PLAYER_EXE}"
    RESOURCE_LOCK wine_display
    TIMEOUT 900)
endif()
