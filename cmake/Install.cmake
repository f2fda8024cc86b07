# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the desktop's usual places and the Debian package. Every file the desktop
# looks up (entry, metainfo, icon) is named by the one application id.
include(GNUInstallDirs)

set(ZELMORIO_APP_ID io.github.zelmorio.Zelmorio)
set(ZELMORIO_FREEDESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/freedesktop)

add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)

install(TARGETS zelmorio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZELMORIO_FREEDESKTOP_DIR}/${ZELMORIO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZELMORIO_FREEDESKTOP_DIR}/${ZELMORIO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/main.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZELMORIO_APP_ID}.svg)
foreach(size ${ZELMORIO_ICON_SIZES})
    install(FILES ${ZELMORIO_ICON_DIR}/${size}x${size}/${ZELMORIO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelmorio RENAME copyright)

# `make package` (cpack in the build folder) makes the .deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmorio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zelmorio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "operazioni in colonna e schede di esercizi per la scuola primaria")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelmorio inventa operazioni da svolgere in colonna sul quaderno: addizioni, sottrazioni,
moltiplicazioni e divisioni con i numeri interi e decimali e i cinque casi della divisione
con i decimali. Le mostra dieci alla volta e stampa schede per tutta la classe.
L'interfaccia è in italiano.")
set(CPACK_PACKAGE_CONTACT "Gli sviluppatori di Zelmorio")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the program links come from dpkg-shlibdeps; the rest it loads at run time
# or asks for by name: libcups through Qt's print plugin, Qt's Italian translation and the
# free look-alikes of the fonts the windows ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libcups2, qt6-translations-l10n, fonts-comic-neue, fonts-liberation2")
include(CPack)
