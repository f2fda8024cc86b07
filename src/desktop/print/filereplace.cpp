// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/filereplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace print {

namespace {

ReplaceOutcome failure(ReplaceError error, int systemError = 0)
{
    ReplaceOutcome outcome;
    outcome.error = error;
    outcome.systemError = systemError;
    return outcome;
}

// The reason an errno gives for a failed step of the save.
ReplaceOutcome systemFailure(int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return failure(ReplaceError::MissingFolder, systemError);
    case EACCES:
    case EPERM:
        return failure(ReplaceError::NoPermission, systemError);
    case ENAMETOOLONG:
        return failure(ReplaceError::NameTooLong, systemError);
    case ENOSPC:
    case EDQUOT:
        return failure(ReplaceError::DiskFull, systemError);
    case EROFS:
        return failure(ReplaceError::ReadOnly, systemError);
    case ELOOP:
        return failure(ReplaceError::LinkLoop, systemError);
    case EISDIR:
        return failure(ReplaceError::Folder, systemError);
    default:
        return failure(ReplaceError::Other, systemError);
    }
}

// The file a save writes: the path itself, or the file its chain of symbolic links ends at
// (which need not exist yet). Empty when the chain goes round in a loop.
QString saveTarget(const QString& path)
{
    QFileInfo file(path);
    for (int hops = 0; file.isSymLink(); ++hops) {
        if (hops == 40)
            return {};
        file.setFile(file.symLinkTarget());
    }
    return file.absoluteFilePath();
}

// Writes all of `content` to `fd`; the errno of the failure, or 0.
int writeAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

// The file being written beside the target, removed again unless it took the target's place.
class PartialFile {
public:
    ~PartialFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty() && !m_placed)
            ::unlink(m_name.constData());
    }

    const QByteArray& name() const { return m_name; }

    // Makes a new empty file in `folder` under a short name of its own, so that a target
    // whose name is as long as the file system allows still has room beside it, and keeps
    // it open. The errno of the failure, or 0.
    int create(const QByteArray& folder)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate =
                folder + "/.zelmorio-" +
                QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
            m_fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0) {
                if (errno == EEXIST)
                    continue;
                return errno;
            }
            m_name = candidate;
            struct stat made {};
            // Private while it is being written.
            if (::fstat(m_fd, &made) != 0 || ::fchmod(m_fd, 0600) != 0)
                return errno;
            m_newFileMode = made.st_mode & 0777;
            return 0;
        }
        return EEXIST;
    }

    // Writes the content, puts it on the disk and gives the file its final owner and
    // permissions: those of the file it replaces, or of the umask. The errno of the
    // failure, or 0.
    int finish(const QByteArray& content, const struct stat* replaced)
    {
        if (const int error = writeAll(m_fd, content))
            return error;
        if (::fsync(m_fd) != 0)
            return errno;
        if (replaced) {
            // The owner (when root saves) and the group stay where the saver may keep them;
            // otherwise the file is the saver's, as a new one would be.
            const bool owned = ::fchown(m_fd, ::geteuid() == 0 ? replaced->st_uid : uid_t(-1),
                                        replaced->st_gid) == 0;
            Q_UNUSED(owned);
        }
        if (::fchmod(m_fd, replaced ? replaced->st_mode & 07777 : m_newFileMode) != 0)
            return errno;
        const int fd = m_fd;
        m_fd = -1;
        // Some file systems (over the network) tell a full disk only here.
        return ::close(fd) == 0 ? 0 : errno;
    }

    void placed() { m_placed = true; }

private:
    QByteArray m_name;
    int m_fd = -1;
    mode_t m_newFileMode = 0600;
    bool m_placed = false;
};

void syncFolder(const QByteArray& folder)
{
    // The rename itself reaches the disk with the folder; a failure here loses nothing.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

ReplaceOutcome replace(const QString& target, const QByteArray& content)
{
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    const int statError = replacing ? 0 : errno;
    if (replacing && S_ISDIR(old.st_mode))
        return failure(ReplaceError::Folder);
    if (replacing && !S_ISREG(old.st_mode))
        return failure(ReplaceError::NotAFile);
    // A new file's name too long, or a folder on the way that may not be searched, shows
    // before anything is written.
    if (!replacing && statError != ENOENT)
        return systemFailure(statError);

    PartialFile partial;
    if (const int error = partial.create(folder))
        return systemFailure(error);
    if (const int error = partial.finish(content, replacing ? &old : nullptr))
        return systemFailure(error);
    // rename() replaces an existing file in one step.
    if (::rename(partial.name().constData(), targetName.constData()) != 0) {
        const int error = errno;
        // The folder took the partial file, so a refusal here is the existing file's (a
        // folder with the sticky bit keeps other users' files).
        if (replacing && (error == EACCES || error == EPERM))
            return failure(ReplaceError::NotReplaceable, error);
        return systemFailure(error);
    }
    partial.placed();
    syncFolder(folder);
    return {};
}

} // namespace

ReplaceOutcome replaceFile(const QString& path, const QByteArray& content)
{
    const QString target = saveTarget(path);
    ReplaceOutcome outcome =
        target.isEmpty() ? failure(ReplaceError::LinkLoop) : replace(target, content);
    outcome.target = target.isEmpty() ? QFileInfo(path).absoluteFilePath() : target;
    outcome.throughLink = QFileInfo(path).isSymLink();
    return outcome;
}

} // namespace print
