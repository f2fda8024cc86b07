// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's screenshots: starts the program as it starts for a user, presses its
// real buttons and saves each window as drawn, without decorations.
//   zelmorio_screenshots <output folder>
// writes menu.png, integer.png, decimal.png, case.png, printdialog.png, worksheet.pdf (the
// printed worksheet with its answer key on the last sheet, saved as PDF in place of a
// printer) and columns.pdf (a sheet in column form on 5 mm squares with the name line and
// its key, saved by "Salva PDF…").
#include "desktop/print/printdialog.h"
#include "desktop/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

QDir outDir;

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "zelmorio_screenshots: %s\n", qPrintable(what));
    std::exit(1);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QWidget* window(const QString& name)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->objectName() == name)
            return w;
    }
    fail(QStringLiteral("no window %1").arg(name));
}

void press(const QString& windowName, const QString& button)
{
    auto* b = window(windowName)->findChild<QAbstractButton*>(button);
    if (!b || !b->isVisible() || !b->isEnabled())
        fail(QStringLiteral("cannot press %1 in %2").arg(button, windowName));
    b->click();
    settle();
}

void shoot(const QString& windowName, const QString& file)
{
    QWidget* w = window(windowName);
    if (!w->isVisible())
        fail(QStringLiteral("%1 is not shown").arg(windowName));
    if (!w->grab().save(outDir.filePath(file)))
        fail(QStringLiteral("cannot write %1").arg(file));
    std::printf("%s\n", qPrintable(outDir.filePath(file)));
}

// The open print dialog, set to write every job to `pdf` without asking; any message to the
// user is a failure.
print::PrintDialog* printDialogWritingTo(const QString& pdf)
{
    auto* dialog = qobject_cast<print::PrintDialog*>(window(QStringLiteral("frmstampa")));
    if (!dialog)
        fail(QStringLiteral("frmstampa is not the print dialog"));
    QFile::remove(pdf);
    print::PrintEnvironment& env = dialog->environment();
    env.printerMissing = [] { return true; };
    env.choosePdfFile = [pdf](QWidget*) { return pdf; };
    env.savePdfAs = [pdf](QWidget*) { return pdf; };
    env.tell = [](QWidget*, const QString& text) { fail(text); };
    return dialog;
}

void expectPdf(const QString& pdf)
{
    if (!QFileInfo(pdf).isFile())
        fail(QStringLiteral("no worksheet was written to %1").arg(pdf));
    std::printf("%s\n", qPrintable(pdf));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    outDir = QDir(QString::fromLocal8Bit(argv[1]));
    if (!outDir.mkpath(QStringLiteral(".")))
        fail(QStringLiteral("cannot make %1").arg(outDir.path()));

    app::start();
    settle();
    shoot(QStringLiteral("frminizio"), QStringLiteral("menu.png"));

    // An integer window after a mixed set, with the copy field shown.
    press(QStringLiteral("frminizio"), QStringLiteral("cmd999"));
    press(QStringLiteral("frm4op999"), QStringLiteral("cmdmis"));
    press(QStringLiteral("frm4op999"), QStringLiteral("cmdvedi"));
    shoot(QStringLiteral("frm4op999"), QStringLiteral("integer.png"));

    // Its print options, then the worksheet, saved as PDF in place of the printer.
    press(QStringLiteral("frm4op999"), QStringLiteral("cmdstampa"));
    press(QStringLiteral("frmstampa"), QStringLiteral("opt40"));
    press(QStringLiteral("frmstampa"), QStringLiteral("optc2"));
    press(QStringLiteral("frmstampa"), QStringLiteral("chksol"));
    const QString pdf = outDir.filePath(QStringLiteral("worksheet.pdf"));
    printDialogWritingTo(pdf);
    press(QStringLiteral("frmstampa"), QStringLiteral("cmdok"));
    expectPdf(pdf);

    // A fresh mixed set in column form on 5 mm squares, with the name line and the key.
    press(QStringLiteral("frm4op999"), QStringLiteral("cmdstampa"));
    for (const char* option : {"opt40", "optc1", "optq5", "chknome", "chksol"})
        press(QStringLiteral("frmstampa"), QString::fromLatin1(option));
    // In column form the dialog tells the operations and sheets of a copy.
    shoot(QStringLiteral("frmstampa"), QStringLiteral("printdialog.png"));
    const QString columns = outDir.filePath(QStringLiteral("columns.pdf"));
    printDialogWritingTo(columns);
    press(QStringLiteral("frmstampa"), QStringLiteral("cmdpdf"));
    expectPdf(columns);

    // A decimal window.
    press(QStringLiteral("frm4op999"), QStringLiteral("cmdfine"));
    press(QStringLiteral("frminizio"), QStringLiteral("cmddec"));
    press(QStringLiteral("frmscelta"), QStringLiteral("cmd9999"));
    press(QStringLiteral("frmdec9999"), QStringLiteral("cmdad"));
    shoot(QStringLiteral("frmdec9999"), QStringLiteral("decimal.png"));

    // A case window, by way of the division-cases menu.
    press(QStringLiteral("frmdec9999"), QStringLiteral("cmdesci"));
    press(QStringLiteral("frminizio"), QStringLiteral("cmddec"));
    press(QStringLiteral("frmscelta"), QStringLiteral("cmdpercorso"));
    press(QStringLiteral("frminizio2"), QStringLiteral("cmd4"));
    press(QStringLiteral("frm4caso"), QStringLiteral("cmdfendra"));
    shoot(QStringLiteral("frm4caso"), QStringLiteral("case.png"));
    return 0;
}
