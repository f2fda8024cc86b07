# SPDX-License-Identifier: GPL-3.0-or-later
# Writes SITE/files.json: every file of the site, for the service worker to keep.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files files.json)
list(SORT files)
set(json "[\"./\"")
foreach(f ${files})
    string(APPEND json ",\"${f}\"")
endforeach()
string(APPEND json "]\n")
file(WRITE ${SITE}/files.json.new "${json}")
file(COPY_FILE ${SITE}/files.json.new ${SITE}/files.json ONLY_IF_DIFFERENT)
file(REMOVE ${SITE}/files.json.new)
