# The About window: library orvane_win32_about and the resource script ${ORVANE_ABOUT_RC} with
# its logo. Included by src/win32/CMakeLists.txt. A program that shows the About window links
# orvane_win32_about and adds ${ORVANE_ABOUT_RC} to its own sources (resources in a static
# library would never be linked in). In a folder other than src/win32, it also sets
#   set_source_files_properties(${ORVANE_ABOUT_RC} PROPERTIES OBJECT_DEPENDS ${ORVANE_ABOUT_LOGO})
# since the resource compiler does not report the files it reads.
set(ORVANE_ABOUT_DIR ${CMAKE_CURRENT_LIST_DIR})
file(GLOB ORVANE_WIN32_ABOUT_SOURCES CONFIGURE_DEPENDS ${ORVANE_ABOUT_DIR}/*.cpp)
add_library(orvane_win32_about STATIC ${ORVANE_WIN32_ABOUT_SOURCES})
target_include_directories(orvane_win32_about PUBLIC ${ORVANE_ABOUT_DIR}
                           PRIVATE ${ORVANE_THIRD_PARTY_INCLUDE})
target_compile_definitions(orvane_win32_about PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(orvane_win32_about PUBLIC orvane_core orvane_win32_platform user32 gdi32 shell32)

# The logo is committed (see make_about_logo.sh), so building needs no image tools.
set(ORVANE_ABOUT_LOGO ${ORVANE_ABOUT_DIR}/orvane_logo.jpg)
set(ORVANE_ABOUT_RC ${CMAKE_CURRENT_BINARY_DIR}/about/about.rc)
configure_file(${ORVANE_ABOUT_DIR}/about.rc.in ${ORVANE_ABOUT_RC} @ONLY)
set_source_files_properties(${ORVANE_ABOUT_RC} PROPERTIES OBJECT_DEPENDS ${ORVANE_ABOUT_LOGO})
set(ORVANE_ABOUT_RC ${ORVANE_ABOUT_RC} PARENT_SCOPE)
set(ORVANE_ABOUT_LOGO ${ORVANE_ABOUT_LOGO} PARENT_SCOPE)
