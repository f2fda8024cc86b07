// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/output.h"

#include "desktop/print/printerbackend.h"
#include "engine/sheet/page.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace print {

namespace {

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

// The file being written beside the target, removed again unless it took the target's place.
struct PartialFile {
    QByteArray name;
    bool placed = false;

    ~PartialFile()
    {
        if (!name.isEmpty() && !placed)
            ::unlink(name.constData());
    }

    // Makes a new empty file in `folder` under a short name of its own, so that a target
    // whose name is as long as the file system allows still has room beside it. Returns
    // the permissions a new file gets from the umask, or -1.
    int create(const QByteArray& folder)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate =
                folder + "/.zelmorio-" +
                QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
            const int fd =
                ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST)
                    continue;
                return -1;
            }
            name = candidate;
            struct stat made {};
            // Private while it is being written.
            const bool ok = ::fstat(fd, &made) == 0 && ::fchmod(fd, 0600) == 0;
            ::close(fd);
            return ok ? int(made.st_mode & 0777) : -1;
        }
        return -1;
    }

    // Puts the data on the disk and gives the file its final owner and permissions.
    bool finish(const struct stat* replaced, mode_t newFileMode)
    {
        const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = ::fsync(fd) == 0;
        if (replaced) {
            // The owner (when root saves) and the group stay where the saver may keep them;
            // otherwise the file is the saver's, as a new one would be.
            const bool owned = ::fchown(fd, ::geteuid() == 0 ? replaced->st_uid : uid_t(-1),
                                        replaced->st_gid) == 0;
            Q_UNUSED(owned);
        }
        const mode_t mode = replaced ? replaced->st_mode & 07777 : newFileMode;
        ok = ::fchmod(fd, mode) == 0 && ok;
        return ::close(fd) == 0 && ok;
    }
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

} // namespace

void usePdfPage(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    // In points, the unit Qt keeps a PDF's layout in, so that the margins are exactly these.
    printer.setPageMargins(QMarginsF(PdfPage.left, PdfPage.top, PdfPage.right, PdfPage.bottom),
                           QPageLayout::Point);
}

bool writePdf(const std::vector<Statement>& statements, const QString& path,
              const QString& documentName)
{
    const QString target = saveTarget(path);
    if (target.isEmpty())
        return false;
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return false;

    PartialFile partial;
    const int newFileMode = partial.create(folder);
    if (newFileMode < 0)
        return false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QFile::decodeName(partial.name));
        usePdfPage(printer);
        printer.setDocName(documentName);
        printer.setCreator(QStringLiteral("Zelmorio"));
        if (!printStatements(statements, printer) || printer.printerState() == QPrinter::Error)
            return false;
    }
    if (!partial.finish(replacing ? &old : nullptr, mode_t(newFileMode)))
        return false;
    // rename() replaces an existing file in one step.
    if (::rename(partial.name.constData(), targetName.constData()) != 0)
        return false;
    partial.placed = true;
    syncFolder(folder);
    return true;
}

PrinterOutcome printToPrinter(const std::vector<Statement>& statements, const QString& printerName,
                              const QString& documentName)
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrinterOutcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Zelmorio"));
    printer.setCopyCount(1); // the statements hold every copy already
    if (!printStatements(statements, printer) || printer.printerState() == QPrinter::Error)
        return PrinterOutcome::Failed;
    return PrinterOutcome::Printed;
}

} // namespace print
