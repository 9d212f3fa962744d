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
# The sizes are those of kProgramIconSizes (views/program_icon.h), which the tool writes.
foreach(size 16 22 24 32 48 64 128 256 512)
  list(APPEND kx_icon_files ${KX_ICON_DIR}/${size}.png)
  install(FILES ${KX_ICON_DIR}/${size}.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KX_APP_ID}.png)
endforeach()
# The same picture as a scalable drawing with a transparent background, and the icon of charset files.
list(APPEND kx_icon_files ${KX_ICON_DIR}/program.svg ${KX_ICON_DIR}/charset-file.svg)
install(FILES ${KX_ICON_DIR}/program.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
        RENAME ${KX_APP_ID}.svg)
install(FILES ${KX_ICON_DIR}/charset-file.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/mimetypes RENAME application-x-c64-charset.svg)
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
# The file type of charset files, the editor's own; .prg programs are left to the programs that run them.
install(FILES ${CMAKE_SOURCE_DIR}/data/${KX_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME ${KX_APP_ID}.xml)
install(FILES ${CMAKE_BINARY_DIR}/generated/${KX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# Debian's changelog of the package (a native one: the newest release, pointing at changelog.txt) in its
# own format, dated from changelog.txt.
execute_process(COMMAND date -u -R -d "${KX_RELEASE_DATE} 12:00" OUTPUT_VARIABLE kx_release_rfc2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(KX_PACKAGE_CONTACT "The Kestrelix developers <kestrelix@users.noreply.github.com>")
file(WRITE ${CMAKE_BINARY_DIR}/generated/changelog
     "kestrelix (${KX_RELEASE_VERSION}) unstable; urgency=medium\n\n"
     "  * Release ${KX_RELEASE_VERSION}; its changes are listed in\n"
     "    /usr/share/doc/kestrelix/changelog.txt.\n\n"
     " -- ${KX_PACKAGE_CONTACT}  ${kx_release_rfc2822}\n")

# Manual pages and the package's changelog go in compressed, as Debian wants them (gzip -n: no name or time
# stamp inside, so the package is reproducible).
set(kx_gzipped "")
foreach(source ${CMAKE_SOURCE_DIR}/docs/kestrelix.1 ${CMAKE_SOURCE_DIR}/docs/kestrelix-cli.1
               ${CMAKE_BINARY_DIR}/generated/changelog)
  get_filename_component(name ${source} NAME)
  set(target ${CMAKE_BINARY_DIR}/generated/gz/${name}.gz)
  add_custom_command(OUTPUT ${target}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/gz
                     COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${source} ${target}
                     DEPENDS ${source} VERBATIM)
  list(APPEND kx_gzipped ${target})
endforeach()
add_custom_target(kx_gzipped_docs ALL DEPENDS ${kx_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/generated/gz/kestrelix.1.gz ${CMAKE_BINARY_DIR}/generated/gz/kestrelix-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/generated/gz/changelog.gz ${CMAKE_SOURCE_DIR}/data/copyright
        DESTINATION ${KX_DOC_DIR})
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
set(CPACK_PACKAGE_CONTACT ${KX_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for Commodore 64 hi-res character sets")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Draw glyphs, transform them, build double-size fonts and try a charset on\n\
an imitation of the C64 text screen; reads and writes .chr and .prg files\n\
and PNG, JPEG and BMP pictures.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kestrelix/kestrelix")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The dependencies are read from the shared libraries the executables link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The executables go in without their debugging symbols.
set(CPACK_STRIP_FILES ON)
include(CPack)
