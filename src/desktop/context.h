// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/openwindows.h"
#include "desktop/windows/windowhost.h"
#include "engine/rules/random.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace app {

// Owns the program's one random sequence and the loaded windows, found by their names.
// A window is loaded (created hidden, running its load step) when it is first touched,
// shown without blocking, and unloaded (deleted) when it is closed. It is the host of the
// exercise windows, and the print job reads the loaded ones through openWindows().
class Context : public QObject, public widgets::WindowHost {
    Q_OBJECT
public:
    explicit Context(QObject* parent = nullptr);
    ~Context() override;

    core::RandomSequence& random() override { return m_random; }
    const print::SourceWindows& openWindows() const { return m_openWindows; }

    QIcon mainIcon() const { return m_mainIcon; }
    QIcon casesIcon() const { return m_casesIcon; }

    // The loaded window of that name, or null.
    QWidget* window(const QString& name) const;
    // Loads the window hidden when it is not loaded yet.
    QWidget* load(const QString& name);
    // Loads the window if needed, shows it modeless and brings it to the front.
    void show(const QString& name) override;
    // Unloads the window if it is loaded.
    void close(const QString& name) override;
    QList<QWidget*> loadedWindows() const override;
    // Ends the program: every window closes, the event loop is asked to quit.
    void exitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deleteWindows();
    void runLoadStep(const QString& name, QWidget* window);

    core::RandomSequence m_random;
    OpenWindows m_openWindows{*this};
    QHash<QString, QPointer<QWidget>> m_windows;
    QIcon m_mainIcon;
    QIcon m_casesIcon;
};

} // namespace app
