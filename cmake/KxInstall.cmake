# What `cmake --install` puts where, and the Debian package `cpack -G DEB` builds from it. Included from the
# top-level CMakeLists.txt once the editor is defined.
include(GNUInstallDirs)

set(KX_APP_ID io.github.kestrelix.Kestrelix)
set(KX_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrelix)

# The release in the metainfo comes from changelog.txt: its first "Version X.Y" heading and the
# "Released YYYY-MM-DD" line under it. The project's version must be the same release.
file(READ ${CMAKE_SOURCE_DIR}/changelog.txt kx_changelog)
if(NOT kx_changelog MATCHES "Version ([0-9]+\\.[0-9]+)[^\n]*\n[^\n]*\nReleased ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])")
  message(FATAL_ERROR "changelog.txt: the newest entry needs a 'Version X.Y' heading and a 'Released YYYY-MM-DD' line")
endif()
set(KX_RELEASE_VERSION ${CMAKE_MATCH_1})
set(KX_RELEASE_DATE ${CMAKE_MATCH_2})
if(NOT KX_RELEASE_VERSION VERSION_EQUAL PROJECT_VERSION)
  message(FATAL_ERROR "changelog.txt names version ${KX_RELEASE_VERSION}, the project is ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/changelog.txt)
configure_file(${CMAKE_SOURCE_DIR}/data/${KX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/generated/${KX_APP_ID}.metainfo.xml @ONLY)

# The icon theme's pictures, drawn at build time from the logo art by a small tool linking the core.
add_executable(kx_write_program_icons ${CMAKE_SOURCE_DIR}/tools/write_program_icons.cpp)
target_link_libraries(kx_write_program_icons PRIVATE kx_views kx_runtime)
set(KX_ICON_DIR ${CMAKE_BINARY_DIR}/generated/icons)
set(kx_icon_files "")
foreach(size 16 32 48 64 128 256)
  list(APPEND kx_icon_files ${KX_ICON_DIR}/${size}.png)
  install(FILES ${KX_ICON_DIR}/${size}.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KX_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${kx_icon_files}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${KX_ICON_DIR}
                   COMMAND kx_write_program_icons ${KX_ICON_DIR}
                   DEPENDS kx_write_program_icons
                   COMMENT "Drawing the program icons")
add_custom_target(kx_program_icons ALL DEPENDS ${kx_icon_files})

install(TARGETS kestrelix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command-line tool is looked for once the whole top-level directory has been read, wherever it is
# defined.
function(kx_install_cli_if_built)
  if(TARGET kestrelix-cli)
    install(TARGETS kestrelix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kx_install_cli_if_built)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/generated/${KX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(page kestrelix.1 kestrelix-cli.1)
  if(EXISTS ${CMAKE_SOURCE_DIR}/docs/${page})
    install(FILES ${CMAKE_SOURCE_DIR}/docs/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
# The program looks for these next to its executable, as <bin>/../share/doc/kestrelix/.
install(FILES ${CMAKE_SOURCE_DIR}/changelog.txt ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/NOTICE
        DESTINATION ${KX_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual DESTINATION ${KX_DOC_DIR})

# The build tree stages the changelog and the manual beside the editor (<build>/share/doc/kestrelix), so a
# program that was built but not installed finds them too.
file(GLOB kx_manual_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/*)
set(KX_STAGED_DOC_DIR ${CMAKE_BINARY_DIR}/share/doc/kestrelix)
set(KX_STAGED_STAMP ${CMAKE_BINARY_DIR}/generated/staged_data.stamp)
add_custom_command(OUTPUT ${KX_STAGED_STAMP}
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${KX_STAGED_DOC_DIR}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${KX_STAGED_DOC_DIR}/manual
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/changelog.txt ${KX_STAGED_DOC_DIR}
                   COMMAND ${CMAKE_COMMAND} -E copy ${kx_manual_files} ${KX_STAGED_DOC_DIR}/manual
                   COMMAND ${CMAKE_COMMAND} -E touch ${KX_STAGED_STAMP}
                   DEPENDS ${CMAKE_SOURCE_DIR}/changelog.txt ${kx_manual_files}
                   COMMENT "Staging the changelog and the manual beside the editor")
add_custom_target(kx_staged_data ALL DEPENDS ${KX_STAGED_STAMP})
add_dependencies(kestrelix kx_staged_data)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelix)
set(CPACK_PACKAGE_VENDOR "The Kestrelix developers")
set(CPACK_PACKAGE_CONTACT "The Kestrelix developers <kestrelix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for Commodore 64 hi-res character sets")
set(CPACK_PACKAGE_DESCRIPTION "Draw glyphs, transform them, build double-size fonts and try a charset on an \
imitation of the C64 text screen; reads and writes .chr and .prg files and PNG, JPEG and BMP pictures.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kestrelix/kestrelix")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The dependencies are read from the shared libraries the executables link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
