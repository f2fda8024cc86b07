// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random user actions on the real windows, offscreen, inside the application's
// own event loop: clicks on any visible and enabled button or option, Esc, Enter, title-bar
// closes and random text typed into the print dialog. After every step the program must
// still stand: a window is visible, every list holds 0 or 10 lines matching its copy text,
// and the print buttons follow their rules. When an action ends the program, every window
// must be gone and the event loop asked to quit; the program is then started again.
#include "desktop/context.h"
#include "desktop/print/preview.h"
#include "desktop/print/printdialog.h"
#include "desktop/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace {

std::uint64_t envNumber(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// The offscreen platform says so at every window raise; thousands of such lines would hide
// a real message.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, text);
}

bool isProgramWindow(const QWidget* w)
{
    return w->objectName().startsWith(QLatin1String("frm"));
}

QList<QWidget*> programWindows(bool visibleOnly)
{
    QList<QWidget*> found;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (isProgramWindow(w) && (!visibleOnly || w->isVisible()))
            found << w;
    }
    // Top-level order is not stable; the seed must replay the same choices.
    std::sort(found.begin(), found.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return found;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

class RandomRun : public QObject {
public:
    RandomRun(std::uint64_t seed, long actions, const QString& pdfFolder)
        : m_seed(seed), m_total(actions), m_rng(seed), m_pdfFolder(pdfFolder)
    {
    }

    // Runs every action; returns the failure text, empty when the run passed.
    std::string run()
    {
        std::thread watchdog([this] { watch(); });
        app::start();
        while (m_failure.empty()) {
            QTimer ticker;
            ticker.setInterval(0);
            connect(&ticker, &QTimer::timeout, this, [this] { tick(); });
            ticker.start();
            m_ownQuit = false;
            QCoreApplication::exec();
            ticker.stop();
            if (!m_failure.empty() || m_ownQuit)
                break;
            programEnded();
        }
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_wake.notify_all();
        watchdog.join();
        tearDown();
        return m_failure;
    }

    long restarts() const { return m_restarts; }
    long prints() const { return m_prints; }

private:
    enum class Kind { Click, Escape, Enter, TitleClose, Type };

    struct Action {
        Kind kind;
        QString window;
        QString target;
        QString text;
    };

    void tick()
    {
        patchPrintDialogs();
        if (m_steps > 0 && !checkState())
            return;
        if (m_exitPending) {
            fail("the program did not end after " + describe(m_last));
            return;
        }
        if (m_steps >= m_total) {
            m_ownQuit = true;
            QCoreApplication::quit();
            return;
        }
        act();
        ++m_steps;
        m_progress.fetch_add(1);
    }

    void fail(const std::string& what)
    {
        if (m_failure.empty()) {
            m_failure = what + "\nafter " + std::to_string(m_steps) + " actions, seed " +
                        std::to_string(m_seed) +
                        " (replay: ZELMORIO_UI_SEED=" + std::to_string(m_seed) +
                        ")\nlast actions:\n" + history();
        }
        QCoreApplication::quit();
    }

    std::string history()
    {
        std::lock_guard lock(m_mutex);
        std::string text;
        for (const std::string& line : m_history)
            text += "  " + line + "\n";
        return text;
    }

    static std::string describe(const Action& a)
    {
        static const char* names[] = {"click", "Esc", "Enter", "title-bar close", "type"};
        std::string text =
            std::string(names[static_cast<int>(a.kind)]) + " " + a.window.toStdString();
        if (!a.target.isEmpty())
            text += "." + a.target.toStdString();
        if (a.kind == Kind::Type)
            text += " '" + a.text.toStdString() + "'";
        return text;
    }

    void record(const Action& a)
    {
        m_last = a;
        std::lock_guard lock(m_mutex);
        m_history.push_back(std::to_string(m_steps + 1) + ": " + describe(a));
        if (m_history.size() > 40)
            m_history.pop_front();
    }

    std::size_t pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_rng);
    }

    // Print jobs go to PDF files in a scratch folder, and messages are noted, never shown:
    // nothing reaches the system printer and nothing waits for a click.
    void patchPrintDialogs()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<print::PrintDialog*>(w);
            if (!dialog || dialog->property("zelRandomRun").toBool())
                continue;
            dialog->setProperty("zelRandomRun", true);
            print::PrintEnvironment& env = dialog->environment();
            env.printerMissing = [] { return true; };
            env.choosePdfFile = [this](QWidget*) {
                ++m_prints;
                // One file is enough: each job overwrites the last one.
                return QDir(m_pdfFolder).filePath(QStringLiteral("scheda.pdf"));
            };
            env.savePdfAs = env.choosePdfFile;
            // The preview is closed, or printed from, at once.
            env.runPreview = [this](print::JobPreview& preview) {
                if (pick(2) == 0)
                    return false;
                ++m_prints;
                preview.printer()->setOutputFormat(QPrinter::PdfFormat);
                preview.printer()->setOutputFileName(
                    QDir(m_pdfFolder).filePath(QStringLiteral("scheda.pdf")));
                preview.findChild<QPrintPreviewWidget*>()->print();
                return true;
            };
            env.tell = [this](QWidget*, const QString&) { ++m_messages; };
        }
    }

    QString randomCopies()
    {
        // Small counts, and texts the dialog refuses or reads as nothing.
        static const char* texts[] = {"1",   "2",   "3",  "0",    "",
                                      "2,5", "1.9", "-3", "abc",  "1e9",
                                      "150", " 2",  "x",  "1e-3", "99999999999999999999",
                                      "\t1"};
        return QString::fromLatin1(texts[pick(std::size(texts))]);
    }

    QString randomHeading()
    {
        static const char16_t pool[] = u"abcdefghijklmnopqrstuvwxyz ABCXYZ0123456789 .,;:!?"
                                       u"àèéìòù€°ΩΣ中文¿\u00a0\u2028\u200b";
        const std::size_t length = pick(10) == 0 ? 300 + pick(700) : pick(40);
        QString text;
        for (std::size_t i = 0; i < length; ++i)
            text += QChar(pool[pick(std::size(pool) - 1)]);
        return text;
    }

    void act()
    {
        const QList<QWidget*> windows = programWindows(true);
        if (windows.isEmpty()) {
            fail("no window is visible");
            return;
        }
        QWidget* w = windows[static_cast<qsizetype>(pick(windows.size()))];
        unsigned roll = static_cast<unsigned>(pick(100));
        // The main menu's way out is always in reach; taking it only now and then lets a
        // run go deeper into the windows between two starts.
        const bool mainMenu = w->objectName() == QLatin1String("frminizio");
        const bool mayExit = !mainMenu || pick(4) == 0;
        if (!mayExit && roll < 17)
            roll = 17;
        auto* dialog = qobject_cast<print::PrintDialog*>(w);

        if (dialog && roll < 25) {
            const bool copies = pick(2) == 0;
            auto* field = dialog->findChild<QLineEdit*>(copies ? QStringLiteral("txtcop")
                                                               : QStringLiteral("txtcom"));
            const QString text = copies ? randomCopies() : randomHeading();
            record({Kind::Type, w->objectName(), field->objectName(), text});
            field->setFocus();
            if (pick(2) == 0)
                field->selectAll();
            typeText(field, text);
            return;
        }
        if (roll < 8 || (roll < 10 && !dialog)) {
            record({Kind::Escape, w->objectName(), {}, {}});
            m_exitPending = w->objectName() == QLatin1String("frminizio");
            press(w, Qt::Key_Escape);
            return;
        }
        if (roll < 14) {
            record({Kind::Enter, w->objectName(), {}, {}});
            press(w, Qt::Key_Return);
            return;
        }
        if (roll < 17) {
            record({Kind::TitleClose, w->objectName(), {}, {}});
            m_exitPending = w->objectName() == QLatin1String("frminizio");
            w->windowHandle()->close();
            return;
        }
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        }
        std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return a->objectName() < b->objectName();
        });
        if (buttons.isEmpty()) {
            fail(w->objectName().toStdString() + " has no button to press");
            return;
        }
        QAbstractButton* b = buttons[static_cast<qsizetype>(pick(buttons.size()))];
        if (!mayExit && b->objectName() == QLatin1String("cmdesci") && buttons.size() > 1)
            b = buttons[(buttons.indexOf(b) + 1) % buttons.size()];
        record({Kind::Click, w->objectName(), b->objectName(), {}});
        m_exitPending = w->objectName() == QLatin1String("frminizio") &&
                        b->objectName() == QLatin1String("cmdesci");
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    }

    // Key events that carry the text, as a keyboard with any layout would send them.
    static void typeText(QWidget* field, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
    }

    static void press(QWidget* w, Qt::Key key)
    {
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, key);
    }

    // The state every step must leave behind.
    bool checkState()
    {
        const QList<QWidget*> visible = programWindows(true);
        if (visible.isEmpty()) {
            fail("no window is visible");
            return false;
        }
        for (QWidget* w : visible) {
            auto* list = w->findChild<QListWidget*>(QStringLiteral("list"));
            if (!list)
                continue;
            const std::string name = w->objectName().toStdString();
            const int rows = list->count();
            if (rows != 0 && rows != 10) {
                fail(name + " lists " + std::to_string(rows) + " lines");
                return false;
            }
            QString joined;
            for (int i = 0; i < rows; ++i)
                joined += list->item(i)->text();
            auto* copy = w->findChild<QPlainTextEdit*>(QStringLiteral("txtris"));
            if (!copy || copy->toPlainText() != joined) {
                fail(name + ": the copy text does not match the list");
                return false;
            }
            auto* printButton = w->findChild<QAbstractButton*>(QStringLiteral("cmdstampa"));
            if (!printButton) {
                fail(name + " has no print button");
                return false;
            }
            // The case windows show their print button after the first set; the other
            // windows enable it.
            const bool isCase = w->findChild<QAbstractButton*>(QStringLiteral("cmdfendra"));
            const bool ready = isCase ? printButton->isVisibleTo(w) : printButton->isEnabled();
            if (ready != (rows == 10)) {
                fail(name + ": print button " + (ready ? "ready" : "not ready") + " with " +
                     std::to_string(rows) + " lines");
                return false;
            }
        }
        for (QWidget* w : visible) {
            auto* dialog = qobject_cast<print::PrintDialog*>(w);
            if (!dialog)
                continue;
            bool count = false, column = false;
            for (const char* name : {"opt10", "opt20", "opt30", "opt40"})
                count |= dialog->findChild<QRadioButton*>(QLatin1String(name))->isChecked();
            for (const char* name : {"optc1", "optc2"})
                column |= dialog->findChild<QRadioButton*>(QLatin1String(name))->isChecked();
            const bool enabled =
                dialog->findChild<QPushButton*>(QStringLiteral("cmdok"))->isEnabled();
            if (enabled != (count && column)) {
                fail(std::string("OK is ") + (enabled ? "enabled" : "disabled") + " with a count " +
                     (count ? "" : "not ") + "chosen and a column " + (column ? "" : "not ") +
                     "chosen");
                return false;
            }
        }
        return true;
    }

    // The event loop returned by itself: the last action must have been an exit, and every
    // window must be gone. Then the program starts again.
    void programEnded()
    {
        if (!m_exitPending) {
            fail("the program ended after " + describe(m_last));
            return;
        }
        m_exitPending = false;
        settle();
        if (!programWindows(false).isEmpty()) {
            fail("windows left after the exit: " +
                 programWindows(false).front()->objectName().toStdString());
            return;
        }
        if (!qApp->findChildren<app::Context*>().isEmpty()) {
            fail("the program's context outlived the exit");
            return;
        }
        ++m_restarts;
        app::start();
    }

    void tearDown()
    {
        const auto contexts = qApp->findChildren<app::Context*>();
        for (app::Context* c : contexts)
            delete c;
        for (QWidget* w : programWindows(false))
            delete w;
        settle();
    }

    // A step that never ends is a hang: report the seed and the actions, then stop.
    void watch()
    {
        long seen = -1;
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(60), [this] { return m_finished; })) {
            const long now = m_progress.load();
            if (now == seen) {
                std::string text;
                for (const std::string& line : m_history)
                    text += "  " + line + "\n";
                std::fprintf(stderr, "random run hung after %ld actions, seed %llu\n%s", now,
                             static_cast<unsigned long long>(m_seed), text.c_str());
                std::_Exit(2);
            }
            seen = now;
        }
    }

    const std::uint64_t m_seed;
    const long m_total;
    std::mt19937_64 m_rng;
    const QString m_pdfFolder;

    long m_steps = 0;
    long m_restarts = 0;
    long m_prints = 0;
    long m_messages = 0;
    bool m_ownQuit = false;
    bool m_exitPending = false;
    Action m_last{Kind::Click, {}, {}, {}};
    std::string m_failure;

    std::atomic<long> m_progress{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_finished = false;
    std::deque<std::string> m_history;
};

} // namespace

TEST(RandomRun, TenThousandActionsOnTheRealWindows)
{
    const std::uint64_t seed = envNumber("ZELMORIO_UI_SEED", std::random_device{}());
    const long actions = static_cast<long>(envNumber("ZELMORIO_UI_ACTIONS", 10000));
    std::printf("random run: %ld actions, seed %llu (replay: ZELMORIO_UI_SEED=%llu)\n", actions,
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    RecordProperty("seed", std::to_string(seed));

    QTemporaryDir pdfFolder;
    ASSERT_TRUE(pdfFolder.isValid());
    previousHandler = qInstallMessageHandler(quietHandler);
    RandomRun run(seed, actions, pdfFolder.path());
    const std::string failure = run.run();
    qInstallMessageHandler(previousHandler);
    EXPECT_EQ(failure, "");
    std::printf("random run: %ld restarts, %ld worksheets printed to PDF\n", run.restarts(),
                run.prints());
    // Over this many actions the program is left and started again, and worksheets print.
    if (actions >= 10000) {
        EXPECT_GT(run.restarts(), 0);
        EXPECT_GT(run.prints(), 0);
    }
}
