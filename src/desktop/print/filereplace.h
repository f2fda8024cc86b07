// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace print {

// Why a file could not be replaced, as far as the system tells.
enum class ReplaceError {
    None,
    LinkLoop,       // the symbolic links go round in a loop, or too many follow one another
    Folder,         // the name is a folder's
    NotAFile,       // the name is a device's, a pipe's or a socket's
    MissingFolder,  // the folder the file goes in does not exist
    NoPermission,   // the folder may not be written in
    NotReplaceable, // the folder takes new files, but the existing one may not be replaced
    NameTooLong,
    DiskFull, // no space left, or the user's quota is used up
    ReadOnly, // the file system is mounted read-only
    Other,    // any other error of the system, kept in systemError
};

struct ReplaceOutcome {
    ReplaceError error = ReplaceError::None;
    int systemError = 0;      // the errno the failure was read from; 0 when there was none
    QString target;           // the file written or to be written, at the end of any symbolic links
    bool throughLink = false; // the target was reached through a symbolic link

    bool ok() const { return error == ReplaceError::None; }
};

// Replaces the file at `path` with `content` the way a careful editor saves: a symbolic link
// is followed and the file it points to written; the content is written beside it under a
// short temporary name, put on the disk and only then renamed into place, so a failure
// leaves no partial file behind and an existing file untouched. An existing file keeps its
// permissions (and, where the saver may keep them, its owner and group); a new one gets
// those of the umask.
ReplaceOutcome replaceFile(const QString& path, const QByteArray& content);

} // namespace print
