# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the desktop's usual places and the Debian package. Every file the desktop
# looks up (entry, metainfo, icon) is named by the one application id.
include(GNUInstallDirs)

set(ZELMORIO_APP_ID io.github.zelmorio.Zelmorio)
set(ZELMORIO_FREEDESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/freedesktop)

# The package's contact: a packager sets it to the real one (-DZELMORIO_MAINTAINER=...). The
# default names the project under the reserved .invalid domain, so no mail reaches a stranger.
set(ZELMORIO_MAINTAINER "Zelmorio <zelmorio@packages.invalid>"
    CACHE STRING "Maintainer of the Debian package, as 'Name <address>'")
if(NOT ZELMORIO_MAINTAINER MATCHES "^[^<>]*[^ <>] <[^<>@ ]+@[^<>@ ]+>$")
    message(FATAL_ERROR "ZELMORIO_MAINTAINER is '${ZELMORIO_MAINTAINER}', not 'Name <address>'")
endif()

# The metainfo's releases come from CHANGELOG.md, whose newest entry must be this version.
include(${PROJECT_SOURCE_DIR}/cmake/Changelog.cmake)
set(ZELMORIO_CHANGELOG ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZELMORIO_CHANGELOG})
zel_changelog_read(${ZELMORIO_CHANGELOG} changelog)
zel_changelog_require_version(changelog ${PROJECT_VERSION} ${ZELMORIO_CHANGELOG})
zel_changelog_appstream(changelog ZELMORIO_RELEASES)
set(ZELMORIO_METAINFO ${CMAKE_BINARY_DIR}/${ZELMORIO_APP_ID}.metainfo.xml)
configure_file(${ZELMORIO_FREEDESKTOP_DIR}/${ZELMORIO_APP_ID}.metainfo.xml.in ${ZELMORIO_METAINFO}
               @ONLY)

add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)

install(TARGETS zelmorio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZELMORIO_FREEDESKTOP_DIR}/${ZELMORIO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZELMORIO_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/main.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZELMORIO_APP_ID}.svg)
foreach(size ${ZELMORIO_ICON_SIZES})
    install(FILES ${ZELMORIO_ICON_DIR}/${size}x${size}/${ZELMORIO_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The manual pages: English, and Italian in Debian's place for translated pages. Compressed
# as Debian wants them; -n keeps the name and time out of the archive, so that two builds
# of the same source give the same file.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(ZELMORIO_MAN_SOURCE ${PROJECT_SOURCE_DIR}/assets/man)
set(ZELMORIO_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(man_outputs)
foreach(dir man1 it/man1)
    string(REPLACE "man1" "" language_dir ${dir})
    set(page ${ZELMORIO_MAN_DIR}/${dir}/zelmorio.1)
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${ZELMORIO_MAN_SOURCE}/${language_dir}zelmorio.1 ${page}
        COMMAND ${GZIP_PROGRAM} -9nf ${page}
        DEPENDS ${ZELMORIO_MAN_SOURCE}/${language_dir}zelmorio.1
        COMMENT "Compressing the manual page ${dir}/zelmorio.1"
        VERBATIM)
    list(APPEND man_outputs ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${dir})
endforeach()
add_custom_target(zelmorio_man ALL DEPENDS ${man_outputs})

# Debian's machine-readable copyright, pointing to the licence texts every Debian system has.
install(FILES ${PROJECT_SOURCE_DIR}/assets/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelmorio)

# `make package` (cpack in the build folder) makes the .deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmorio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zelmorio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "operazioni in colonna e schede di esercizi per la scuola primaria")
# Debian shows the description 80 columns wide: lines stay within 72. A blank line parts the
# Italian paragraph from the English one.
set(CPACK_PACKAGE_DESCRIPTION
    "Zelmorio inventa operazioni da svolgere in colonna sul quaderno:
addizioni, sottrazioni, moltiplicazioni e divisioni con i numeri interi
e decimali e i cinque casi della divisione con i decimali. Le mostra
dieci alla volta e stampa schede per tutta la classe, con le soluzioni.
L'interfaccia è in italiano.

Zelmorio makes up written arithmetic for primary-school pupils to work
out on paper: additions, subtractions, multiplications and divisions
with whole and decimal numbers, and the five cases of division with
decimals. It shows ten at a time and prints worksheets for a whole
class, with an answer key. The user interface is in Italian.")
set(CPACK_PACKAGE_CONTACT "${ZELMORIO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELMORIO_MAINTAINER}")
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
# The Debian changelog is written from CHANGELOG.md into the staged package.
set(CPACK_ZELMORIO_CHANGELOG ${ZELMORIO_CHANGELOG})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake)
include(CPack)
