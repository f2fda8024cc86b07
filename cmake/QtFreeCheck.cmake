# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DDIR=<folder> -P QtFreeCheck.cmake
# Fails, naming each file and line, when a C++ source under DIR includes a Qt header
# (<QString>, <QtCore/...>, <qglobal.h>, "QFile" ...). The engine must compile without Qt.
if(NOT DIR)
    message(FATAL_ERROR "QtFreeCheck: DIR is not set")
endif()
file(GLOB_RECURSE sources "${DIR}/*.cpp" "${DIR}/*.h")
set(found "")
foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
        if(line MATCHES "#[ \t]*include[ \t]*[<\"](Q[A-Za-z0-9]*|Qt[A-Za-z]+/[^>\"]*|q[a-z0-9_]+\\.h)[>\"]")
            string(STRIP "${line}" line)
            list(APPEND found "${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " text)
    message(FATAL_ERROR "The engine must not include Qt headers:\n  ${text}")
endif()
