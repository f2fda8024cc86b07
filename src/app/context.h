// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace app {

// Owns the program's one random sequence and the loaded windows, found by their names.
// A window is loaded (created hidden, running its load step) when it is first touched,
// shown without blocking, and unloaded (deleted) when it is closed.
class Context : public QObject {
    Q_OBJECT
public:
    explicit Context(QObject* parent = nullptr);
    ~Context() override;

    core::RandomSequence& random() { return m_random; }

    QIcon mainIcon() const { return m_mainIcon; }
    QIcon casesIcon() const { return m_casesIcon; }

    // The loaded window of that name, or null.
    QWidget* window(const QString& name) const;
    // Loads the window hidden when it is not loaded yet.
    QWidget* load(const QString& name);
    // Loads the window if needed, shows it modeless and brings it to the front.
    void show(const QString& name);
    // Unloads the window if it is loaded.
    void close(const QString& name);
    // Ends the program: every window closes, the event loop is asked to quit.
    void exitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deleteWindows();
    QWidget* create(const QString& name);
    QWidget* createPrintDialog();
    void runLoadStep(const QString& name, QWidget* window);

    core::RandomSequence m_random;
    QHash<QString, QPointer<QWidget>> m_windows;
    QIcon m_mainIcon;
    QIcon m_casesIcon;
};

} // namespace app
