// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/context.h"

#include "desktop/windowfactory.h"
#include "desktop/windows/ui.h"
#include "engine/rules/windowtable.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>

// The pictures live in a static library, whose resource initialiser the linker would
// otherwise drop.
static void initResources()
{
    Q_INIT_RESOURCE(zelmorio);
}

namespace app {

Context::Context(QObject* parent) : QObject(parent)
{
    initResources();
    m_mainIcon = QIcon(QStringLiteral(":/icons/main.svg"));
    m_casesIcon = QIcon(QStringLiteral(":/icons/cases.svg"));
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &Context::deleteWindows);
}

Context::~Context()
{
    // Inside ~QApplication widgets can no longer be deleted safely; by then aboutToQuit
    // has already closed them.
    if (!QCoreApplication::closingDown())
        deleteWindows();
}

void Context::deleteWindows()
{
    const auto windows = m_windows.values();
    m_windows.clear();
    for (const QPointer<QWidget>& w : windows) {
        if (w)
            delete w.data();
    }
}

QWidget* Context::window(const QString& name) const
{
    return m_windows.value(name).data();
}

QWidget* Context::load(const QString& name)
{
    if (QWidget* existing = window(name))
        return existing;
    QWidget* w = makeWindow(*this, name);
    if (!w)
        return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->installEventFilter(this);
    m_windows.insert(name, w);
    runLoadStep(name, w);
    return w;
}

void Context::show(const QString& name)
{
    if (QWidget* w = load(name)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void Context::close(const QString& name)
{
    if (QWidget* w = m_windows.take(name).data())
        w->close();
}

QList<QWidget*> Context::loadedWindows() const
{
    QList<QWidget*> loaded;
    for (const QPointer<QWidget>& w : m_windows)
        if (w)
            loaded << w.data();
    return loaded;
}

void Context::exitProgram()
{
    const auto names = m_windows.keys();
    for (const QString& name : names)
        close(name);
    QCoreApplication::quit();
    deleteLater();
}

void Context::runLoadStep(const QString& name, QWidget* window)
{
    widgets::centre(window);
    if (name == QLatin1String("frminizio")) {
        // The main menu hands its icon to the windows it loads hidden: the case windows,
        // the cases menu and the decimals choice.
        QStringList others;
        for (const core::WindowEntry& entry : core::Windows)
            if (entry.family == core::WindowFamily::Case)
                others << QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
        others << QStringLiteral("frminizio2") << QStringLiteral("frmscelta");
        for (const QString& other : others) {
            if (QWidget* w = load(other))
                w->setWindowIcon(window->windowIcon());
        }
    } else if (name == QLatin1String("frminizio2")) {
        if (QWidget* dialog = load(QStringLiteral("frmstampa")))
            dialog->setWindowIcon(window->windowIcon());
    }
}

bool Context::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        auto* w = static_cast<QWidget*>(watched);
        const QString name = w->objectName();
        // The program's own closes take the window out of the registry first; a close of a
        // registered window comes from its title bar, and the close box acts as the
        // window's back (or exit) button.
        if (m_windows.value(name) == w) {
            m_windows.remove(name);
            for (const char* back : {"cmdfine", "cmdesci"}) {
                if (auto* button = w->findChild<QAbstractButton*>(QString::fromLatin1(back))) {
                    button->click();
                    break;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
