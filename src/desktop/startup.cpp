// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/startup.h"

#include "desktop/context.h"
#include "desktop/windows/ui.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace app {

namespace {

// A message Qt gave while it looked for a display, kept for later.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void replayHeldMessages()
{
    auto pointer = [](const QByteArray& text) {
        return text.isNull() ? nullptr : text.constData();
    };
    for (const HeldMessage& m : heldMessages)
        qtHandler(
            m.type,
            QMessageLogContext(pointer(m.file), m.line, pointer(m.function), pointer(m.category)),
            m.text);
    heldMessages.clear();
}

// Holds Qt's messages while the application object is made. When no platform could be
// started (Qt's failure is fatal), its English lines about plugins and displays give way to
// one Italian message that says what is missing and what works without it.
void holdWhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty()) {
        std::fputs("zelmorio: per aprire le finestre serve una sessione grafica, ma non trovo "
                   "nessuno schermo a cui collegarmi.\n"
                   "La riga di comando non ne ha bisogno: zelmorio --help la descrive.\n",
                   stderr);
        std::_Exit(ExitUsage);
    }
    heldMessages.push_back({type, QByteArray(context.file), QByteArray(context.function),
                            QByteArray(context.category), context.line, text});
    if (type == QtFatalMsg)
        replayHeldMessages();
}

} // namespace

void installItalianTranslation()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void start()
{
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelmorio.Zelmorio"));
    widgets::installFontSubstitutions();
    installItalianTranslation();
    // Fusion draws buttons with their palette colour on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* context = new Context(qApp);
    context->show(QStringLiteral("frminizio"));
}

int runWindows(int& argc, char** argv)
{
    const bool platformNamed =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        std::any_of(argv + 1, argv + argc, [](const char* a) {
            return std::strcmp(a, "-platform") == 0 || std::strcmp(a, "--platform") == 0;
        });
    if (!platformNamed)
        qtHandler = qInstallMessageHandler(holdWhileConnecting);
    QApplication application(argc, argv);
    if (!platformNamed) {
        qInstallMessageHandler(qtHandler);
        replayHeldMessages();
    }
    start();
    return application.exec();
}

} // namespace app
