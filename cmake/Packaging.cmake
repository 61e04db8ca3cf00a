# Installation and the .deb. The program, its default ferdix.ini and land.ini lie in one folder
# (lib/ferdix), since the program reads them beside itself; bin/ferdix and bin/ferdixn are links
# to it (started as "ferdixn" it speaks nynorsk: the written standard follows the name it was
# started by, the folder of the rate files the program's own path).
include(GNUInstallDirs)

set(FERDIX_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/ferdix)
if(CMAKE_INSTALL_LIBDIR MATCHES "^lib/")
  # A multiarch libdir (lib/x86_64-linux-gnu) is for libraries; the program's folder is not one.
  set(FERDIX_PROGRAM_DIR lib/ferdix)
endif()

install(TARGETS ferdix RUNTIME DESTINATION ${FERDIX_PROGRAM_DIR})
# The window and --pdf, which the program loads from its own folder.
install(TARGETS ferdix_desktop LIBRARY DESTINATION ${FERDIX_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/ferdix.ini ${PROJECT_SOURCE_DIR}/resources/land.ini
        DESTINATION ${FERDIX_PROGRAM_DIR})

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ferdix)
set(CPACK_PACKAGE_VENDOR Tovrand)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reiseregning for statsansatte (statens reiseregningsskjema)")
set(CPACK_PACKAGE_DESCRIPTION
    "Ferdix fyller ut, beregner, lagrer og skriver ut statens felles reiseregningsskjema,\n på bokmål eller nynorsk.")
set(CPACK_PACKAGE_CONTACT "Tovrand <ferdix@tovrand.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Debian 12's Qt 6.4 and the form's face; the desktop, MIME and icon caches follow through
# their packages' triggers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1 (>= 3.0), libqt6core6 (>= 6.4.2), libqt6gui6 (>= 6.4.2), libqt6widgets6 (>= 6.4.2), libqt6printsupport6 (>= 6.4.2), qt6-qpa-plugins (>= 6.4.2), fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
