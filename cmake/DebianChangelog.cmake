# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it has staged the package's files: writes CHANGELOG.md as the Debian
# changelog of a native package, /usr/share/doc/<package>/changelog.gz, compressed as Debian
# requires (gzip -9n: best compression, no name or time stamp inside, so the same changelog
# gives the same bytes).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

zel_changelog_read("${CPACK_ZELMORIO_CHANGELOG}" log)
zel_changelog_require_version(log "${CPACK_PACKAGE_VERSION}" "${CPACK_ZELMORIO_CHANGELOG}")
zel_changelog_debian(log "${CPACK_PACKAGE_NAME}" "${CPACK_DEBIAN_PACKAGE_MAINTAINER}" text)

set(doc "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
file(WRITE "${doc}/changelog" "${text}")
execute_process(COMMAND gzip -9nf "${doc}/changelog" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip -9n ${doc}/changelog failed")
endif()
file(CHMOD "${doc}/changelog.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
