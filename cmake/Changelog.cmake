# SPDX-License-Identifier: GPL-3.0-or-later
# Reads CHANGELOG.md, the one list of what each version brought, and writes it out for the
# AppStream metainfo (at configure time) and as the Debian changelog (at package time).
#
# CHANGELOG.md holds, newest first, a heading "## X.Y.Z — YYYY-MM-DD" for each version, each
# followed by its items: a line "- text", continued on indented lines, items apart or not by
# blank lines. Text above the first heading is the file's own introduction and is skipped.
# Any other line under a version stops the build, so that nothing written there is lost.
# A heading may add the hour in UTC ("## X.Y.Z — YYYY-MM-DD HH:MM UTC", else 12:00): Debian
# wants each entry signed later than the one before, so two versions of one day need it.
# Above every version a heading "## Non ancora pubblicato" may gather the items of the next
# one: they are checked like the others but belong to no release until the heading names it.

# While the text is a CMake list, the characters that lists treat specially stand in as
# control characters; zel_changelog_restore() puts them back.
string(ASCII 1 ZEL_CHANGELOG_SEMICOLON)
string(ASCII 2 ZEL_CHANGELOG_OPEN_BRACKET)
string(ASCII 3 ZEL_CHANGELOG_CLOSE_BRACKET)
string(ASCII 4 ZEL_CHANGELOG_BACKSLASH)

function(zel_changelog_restore var)
    set(text "${${var}}")
    string(REPLACE "${ZEL_CHANGELOG_SEMICOLON}" ";" text "${text}")
    string(REPLACE "${ZEL_CHANGELOG_OPEN_BRACKET}" "[" text "${text}")
    string(REPLACE "${ZEL_CHANGELOG_CLOSE_BRACKET}" "]" text "${text}")
    string(REPLACE "${ZEL_CHANGELOG_BACKSLASH}" "\\" text "${text}")
    set(${var} "${text}" PARENT_SCOPE)
endfunction()

# Sets <prefix>_VERSIONS (newest first) and, for each version V, <prefix>_DATE_V (YYYY-MM-DD),
# <prefix>_TIME_V (HH:MM, UTC) and <prefix>_ITEMS_V (one list element per item, its lines
# joined by blanks).
function(zel_changelog_read path prefix)
    file(READ "${path}" text)
    string(REPLACE "\\" "${ZEL_CHANGELOG_BACKSLASH}" text "${text}")
    string(REPLACE ";" "${ZEL_CHANGELOG_SEMICOLON}" text "${text}")
    string(REPLACE "[" "${ZEL_CHANGELOG_OPEN_BRACKET}" text "${text}")
    string(REPLACE "]" "${ZEL_CHANGELOG_CLOSE_BRACKET}" text "${text}")
    string(REPLACE "\r" "" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(date_pattern "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]")
    set(versions "")
    set(version "")
    set(item "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "^## +Non ancora pubblicato *$")
            if(NOT version STREQUAL "")
                message(FATAL_ERROR "${path}:${number}: '## Non ancora pubblicato' gathers the "
                                    "next version's items above every version, not here")
            endif()
            # Not a release: its items are read under a name no version can have.
            set(version "-")
            continue()
        endif()
        if(line MATCHES "^## ")
            if(NOT line MATCHES "^## +[^0-9]*([0-9]+\\.[0-9]+\\.[0-9]+)[^0-9]+(${date_pattern})( +([0-2][0-9]:[0-5][0-9])( +UTC)?)? *$")
                message(FATAL_ERROR "${path}:${number}: a version heading reads "
                                    "'## X.Y.Z — YYYY-MM-DD' or '## X.Y.Z — YYYY-MM-DD HH:MM UTC', "
                                    "not '${line}'")
            endif()
            if(NOT item STREQUAL "")
                list(APPEND items_${version} "${item}")
                set(item "")
            endif()
            set(when "${CMAKE_MATCH_2} 12:00")
            if(CMAKE_MATCH_4)
                set(when "${CMAKE_MATCH_2} ${CMAKE_MATCH_4}")
            endif()
            if(NOT versions STREQUAL "" AND NOT when STRLESS previous_when)
                message(FATAL_ERROR "${path}:${number}: ${CMAKE_MATCH_1} (${when} UTC) is not older "
                                    "than ${version} (${previous_when} UTC) above it; two versions "
                                    "of one day need their hours, '## X.Y.Z — YYYY-MM-DD HH:MM UTC'")
            endif()
            set(previous_when "${when}")
            set(version ${CMAKE_MATCH_1})
            if(version IN_LIST versions)
                message(FATAL_ERROR "${path}:${number}: version ${version} appears twice")
            endif()
            list(APPEND versions ${version})
            set(date_${version} ${CMAKE_MATCH_2})
            string(SUBSTRING "${when}" 11 5 time_${version})
            set(items_${version} "")
        elseif(version STREQUAL "")
            # The introduction above the first version.
        elseif(line MATCHES "^- +(.*)$")
            if(NOT item STREQUAL "")
                list(APPEND items_${version} "${item}")
            endif()
            string(STRIP "${CMAKE_MATCH_1}" item)
        elseif(line MATCHES "^ +([^ ].*)$" AND NOT item STREQUAL "")
            string(STRIP "${CMAKE_MATCH_1}" more)
            string(APPEND item " ${more}")
        elseif(line MATCHES "^ *$")
            if(NOT item STREQUAL "")
                list(APPEND items_${version} "${item}")
                set(item "")
            endif()
        else()
            message(FATAL_ERROR "${path}:${number}: under a version heading only items "
                                "('- text', continued on indented lines) are read, not '${line}'")
        endif()
    endforeach()
    if(NOT item STREQUAL "")
        list(APPEND items_${version} "${item}")
    endif()

    if(versions STREQUAL "")
        message(FATAL_ERROR "${path}: no version heading '## X.Y.Z — YYYY-MM-DD'")
    endif()
    foreach(version IN LISTS versions)
        if(items_${version} STREQUAL "")
            message(FATAL_ERROR "${path}: version ${version} lists nothing")
        endif()
        set(${prefix}_DATE_${version} ${date_${version}} PARENT_SCOPE)
        set(${prefix}_TIME_${version} ${time_${version}} PARENT_SCOPE)
        set(${prefix}_ITEMS_${version} "${items_${version}}" PARENT_SCOPE)
    endforeach()
    set(${prefix}_VERSIONS ${versions} PARENT_SCOPE)
endfunction()

# Stops the build unless the newest entry of the changelog is the version being built.
function(zel_changelog_require_version prefix version path)
    list(GET ${prefix}_VERSIONS 0 newest)
    if(NOT newest STREQUAL version)
        message(FATAL_ERROR "${path}: the newest entry is ${newest}, but the project's version "
                            "is ${version}: add a heading '## ${version} — YYYY-MM-DD' on top")
    endif()
endfunction()

# The AppStream <release> elements, newest first, each item a list entry of its description.
function(zel_changelog_appstream prefix out_var)
    set(xml "")
    foreach(version IN LISTS ${prefix}_VERSIONS)
        string(APPEND xml "    <release version=\"${version}\" date=\"${${prefix}_DATE_${version}}\">\n"
                          "      <description>\n        <ul>\n")
        foreach(item IN LISTS ${prefix}_ITEMS_${version})
            string(REPLACE "&" "&amp;" item "${item}")
            string(REPLACE "<" "&lt;" item "${item}")
            string(REPLACE ">" "&gt;" item "${item}")
            string(APPEND xml "          <li>${item}</li>\n")
        endforeach()
        string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
    endforeach()
    string(REGEX REPLACE "\n$" "" xml "${xml}")
    zel_changelog_restore(xml)
    set(${out_var} "${xml}" PARENT_SCOPE)
endfunction()

# Appends `paragraph` to the variable named `out_var`, broken at blanks into lines of at most
# `width` bytes, the first line led by `first`, the others by `next`.
function(zel_changelog_wrap out_var paragraph width first next)
    set(out "${${out_var}}")
    string(REPLACE " " ";" words "${paragraph}")
    set(line "${first}")
    set(lead "${first}")
    foreach(word IN LISTS words)
        if(word STREQUAL "")
            continue()
        endif()
        if(line STREQUAL lead)
            set(candidate "${line}${word}")
        else()
            set(candidate "${line} ${word}")
        endif()
        string(LENGTH "${candidate}" length)
        if(length GREATER width AND NOT line STREQUAL lead)
            string(APPEND out "${line}\n")
            set(line "${next}${word}")
            set(lead "${next}")
        else()
            set(line "${candidate}")
        endif()
    endforeach()
    string(APPEND out "${line}\n")
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# The day of the week of an ISO date, in the English three-letter form of RFC 5322 dates.
function(zel_changelog_weekday date out_var)
    string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" _ "${date}")
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    # Sakamoto's method: month offsets, and January and February counted in the year before.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    if(month LESS 3)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR weekday
         "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
    set(names Sun Mon Tue Wed Thu Fri Sat)
    list(GET names ${weekday} name)
    set(${out_var} ${name} PARENT_SCOPE)
endfunction()

# The Debian changelog of a native package: one entry per version, newest first, each item a
# "*" paragraph within 80 columns, signed by `maintainer` at the version's date and hour.
function(zel_changelog_debian prefix package maintainer out_var)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(log "")
    foreach(version IN LISTS ${prefix}_VERSIONS)
        set(date ${${prefix}_DATE_${version}})
        string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-([0-9]+)$" _ "${date}")
        set(year ${CMAKE_MATCH_1})
        set(day ${CMAKE_MATCH_3})
        math(EXPR index "${CMAKE_MATCH_2} - 1")
        list(GET months ${index} month)
        zel_changelog_weekday(${date} weekday)

        string(APPEND log "${package} (${version}) unstable; urgency=medium\n\n")
        foreach(item IN LISTS ${prefix}_ITEMS_${version})
            zel_changelog_wrap(log "${item}" 78 "  * " "    ")
        endforeach()
        string(APPEND log "\n -- ${maintainer}  ${weekday}, ${day} ${month} ${year} ${${prefix}_TIME_${version}}:00 +0000\n\n")
    endforeach()
    string(REGEX REPLACE "\n\n$" "\n" log "${log}")
    zel_changelog_restore(log)
    set(${out_var} "${log}" PARENT_SCOPE)
endfunction()
