# Installing the program for the desktop (`cmake --install`, with a prefix and
# DESTDIR) and the Debian package CPack builds from the same rules (`cpack -G
# DEB` in the build folder). The program carries its layout, skins and banner,
# so only the desktop's files go beside it.
include(GNUInstallDirs)

install(TARGETS dsp-panel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/dsp-panel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Icons drawn by tools/icon at build time.
foreach(size 48 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/dsp-panel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME dsp-panel.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/icons/dsp-panel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page, compressed as Debian keeps them.
set(DSP_MAN_PAGE ${CMAKE_BINARY_DIR}/man/dsp-panel.1.gz)
add_custom_command(
  OUTPUT ${DSP_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/docs/dsp-panel.1 > ${DSP_MAN_PAGE}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/dsp-panel.1
  COMMENT "Compressing the manual page")
add_custom_target(dsp_man_page ALL DEPENDS ${DSP_MAN_PAGE})
install(FILES ${DSP_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian's place for the licence and the history: the machine-readable
# copyright file (our licence and those of what the Windows build links
# statically) and the changelog, compressed as Debian keeps it.
set(DSP_MAINTAINER "the dsp-panel authors <authors@dsp-panel.org>" CACHE STRING
    "Name and address of the package's maintainer (the .deb's Maintainer field)")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" license "${license}")
string(REGEX REPLACE "\n+$" "" license "${license}")
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " DSP_EXPAT_TEXT " ${license}")
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in ${CMAKE_BINARY_DIR}/doc/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
set(DSP_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(
  OUTPUT ${DSP_CHANGELOG}
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/doc/changelog > ${DSP_CHANGELOG}
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog
  COMMENT "Compressing the changelog")
add_custom_target(dsp_changelog ALL DEPENDS ${DSP_CHANGELOG})
install(FILES ${CMAKE_BINARY_DIR}/doc/copyright ${DSP_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dsp-panel)
set(CPACK_PACKAGE_VENDOR "dsp-panel")
set(CPACK_PACKAGE_CONTACT "${DSP_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel for a karaoke pre-amplifier and effects unit")
# One string: set() with several would join them with ";", which apt shows.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "One skinned window with faders, sliders and buttons that sends every change
to a karaoke pre-amplifier and effects DSP unit as a command frame on a
serial line (9600 8N1), a USB adapter or a serial server on the network.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the fonts the window's texts are
# drawn with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wqy-microhei")
include(CPack)
