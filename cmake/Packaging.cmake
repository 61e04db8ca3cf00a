# Installation and the .deb. The program and its desktop module lie in one folder (lib/ferdix);
# bin/ferdix and bin/ferdixn are links to it (started as "ferdixn" it speaks nynorsk: the written
# standard follows the name it was started by). The default ferdix.ini and land.ini go to
# /etc/ferdix as the office's configuration files when installed under /usr (the package), and
# beside the program under any other prefix, where the program looks for them too.
include(GNUInstallDirs)

set(FERDIX_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/ferdix)
if(CMAKE_INSTALL_LIBDIR MATCHES "^lib/")
  # A multiarch libdir (lib/x86_64-linux-gnu) is for libraries; the program's folder is not one.
  set(FERDIX_PROGRAM_DIR lib/ferdix)
endif()

install(TARGETS ferdix RUNTIME DESTINATION ${FERDIX_PROGRAM_DIR})
# The window and --pdf, which the program loads from its own folder, and the print dialogs,
# which the window loads from there on first use.
install(TARGETS ferdix_desktop ferdix_print_module LIBRARY DESTINATION ${FERDIX_PROGRAM_DIR})
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(_ferdix_etc /etc/ferdix)
  else()
    set(_ferdix_etc \"\${CMAKE_INSTALL_PREFIX}/${FERDIX_PROGRAM_DIR}\")
  endif()
  file(INSTALL DESTINATION \"\${_ferdix_etc}\" TYPE FILE FILES
       \"${PROJECT_SOURCE_DIR}/resources/ferdix.ini\" \"${PROJECT_SOURCE_DIR}/resources/land.ini\")
")

# Relative links, made in the build folder and installed as links.
file(RELATIVE_PATH _to_program ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${FERDIX_PROGRAM_DIR}/ferdix)
set(_links ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${_links})
foreach(_name ferdix ferdixn)
  file(REMOVE ${_links}/${_name})
  file(CREATE_LINK ${_to_program} ${_links}/${_name} SYMBOLIC)
  install(FILES ${_links}/${_name} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Desktop entry, the .tur file type, icons and the help pages.
set(_res ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${_res}/desktop/no.tovrand.Ferdix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_res}/desktop/no.tovrand.Ferdix.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(_size 16 32 48 64 128 256)
  install(FILES ${_res}/icons/ferdix-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
          RENAME no.tovrand.Ferdix.png)
endforeach()
install(FILES ${_res}/icons/src/ferdix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME no.tovrand.Ferdix.svg)
install(FILES ${_res}/help/ferdix_nb.html ${_res}/help/ferdix_nn.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ferdix/hjelp)
install(FILES ${_res}/desktop/no.tovrand.Ferdix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog, compressed as Debian wants them (gzip -9n: no name, no
# time, so the same sources give the same bytes); ferdixn.1 is a link. The date is the release's.
set(FERDIX_DOC_DATE 2026-12-09)
set(FERDIX_DOC_DATE_RFC "Wed, 09 Dec 2026 12:00:00 +0000")
find_program(FERDIX_GZIP gzip REQUIRED)
set(_docs ${CMAKE_BINARY_DIR}/package-docs)
configure_file(${_res}/man/ferdix.1.in ${_docs}/ferdix.1 @ONLY)
configure_file(${_res}/package/changelog.in ${_docs}/changelog @ONLY)
add_custom_command(OUTPUT ${_docs}/ferdix.1.gz ${_docs}/changelog.gz
  COMMAND ${FERDIX_GZIP} -9nkf ferdix.1 changelog
  DEPENDS ${_docs}/ferdix.1 ${_docs}/changelog
  WORKING_DIRECTORY ${_docs} VERBATIM)
add_custom_target(ferdix_package_docs ALL DEPENDS ${_docs}/ferdix.1.gz ${_docs}/changelog.gz)
file(REMOVE ${_docs}/ferdixn.1.gz)
file(CREATE_LINK ferdix.1.gz ${_docs}/ferdixn.1.gz SYMBOLIC)
install(FILES ${_docs}/ferdix.1.gz ${_docs}/ferdixn.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_docs}/changelog.gz ${_res}/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ferdix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ferdix)
set(CPACK_PACKAGE_VENDOR Tovrand)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reiseregning for statsansatte (statens reiseregningsskjema)")
# The extended description (CPack puts the summary before it); its lines fit in 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ferdix fyller ut, beregner, lagrer og skriver ut statens felles\nreiseregningsskjema, på bokmål eller nynorsk. Satsene leses fra\n/etc/ferdix/ferdix.ini og land.ini, som kontoret kan endre.")
set(CPACK_PACKAGE_CONTACT "Tovrand <ferdix@tovrand.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program and its desktop module link (C, C++, Qt) come from dpkg-shlibdeps
# when cpack runs (cmake/DebDepends.cmake.in); by hand only what no link shows: the platform
# plugins Qt loads at start-up (xcb, offscreen) and the form's face. The desktop, MIME and icon
# caches follow through their packages' triggers.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/DebDepends.cmake
     INPUT ${PROJECT_SOURCE_DIR}/cmake/DebDepends.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/DebDepends.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
# dpkg keeps an office's edits of these over an upgrade.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_res}/package/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
