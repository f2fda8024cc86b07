// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces and what the keyboard reaches in every window.
#include "desktop/apptest.h"

#include "desktop/context.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>

using namespace apptest;

namespace {

const char* const AllWindows[] = {"frminizio", "frmscelta",  "frminizio2",  "frm4op500",
                                  "frm4op999", "frm4op9999", "frm4op99999", "frm4op999999",
                                  "frmdec999", "frmdec9999", "frm1caso",    "frm2caso",
                                  "frm3caso",  "frm4caso",   "frm5caso",    "frmstampa"};

app::Context* context()
{
    return qApp->findChild<app::Context*>();
}

// Loads every window of the program, hidden, so that their controls can be inspected.
QList<QWidget*> loadAll()
{
    QList<QWidget*> windows;
    for (const char* name : AllWindows) {
        QWidget* w = context()->load(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        if (w)
            windows << w;
    }
    return windows;
}

// The name assistive technology reads for the widget.
QString spokenName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name).remove(QLatin1Char('&')) : QString();
}

class Accessibility : public AppTest {};

TEST_F(Accessibility, PictureAndGeneratorButtonsAreAnnounced)
{
    loadAll();
    const struct {
        const char* window;
        const char* button;
        const char* spoken;
    } rows[] = {
        {"frminizio", "cmdesci", "Esci"},
        {"frminizio2", "cmdfine", "Esci"},
        {"frm4op500", "cmdvedi", "Visualizza per copiare"},
        {"frm4op500", "cmdstampa", "Stampa 40 operazioni del tipo selezionato"},
        {"frm4op500", "cmdfine", "Indietro"},
        {"frmdec999", "cmdesci", "Indietro"},
        {"frmdec9999", "cmdstampa", "Stampa 40 operazioni del tipo selezionato"},
        {"frm1caso", "cmdstampa", "Stampa"},
        // Cases II to V show no tooltip on the print button, yet it must be named.
        {"frm2caso", "cmdstampa", "Stampa"},
        {"frm3caso", "cmdstampa", "Stampa"},
        {"frm4caso", "cmdstampa", "Stampa"},
        {"frm5caso", "cmdstampa", "Stampa"},
        {"frm5caso", "cmdvedi", "Visualizza per copiare"},
        {"frm5caso", "cmdfine", "Fine"},
        // Captionless generator buttons speak the text of their label(s).
        {"frm4op500", "cmdad2", "Addizioni a 2 addendi"},
        {"frm4op500", "cmddiv3", "Divisioni 3 cifre al dividendo"},
        {"frm4op999", "cmdmolt", "Moltiplicazioni 1 cifra al moltiplicatore"},
        {"frm4op9999", "cmddiv1", "Divisioni 1 cifra al divisore"},
        {"frm4op99999", "cmdad2", "Addizioni con 2 addendi"},
        {"frm4op999999", "cmdmolt3", "Moltiplicazioni 3 cifre al moltiplicatore"},
        {"frmdec999", "cmdmolt10", "Moltiplicazioni per 10 - 100 - 1.000"},
        {"frmdec9999", "cmddiv10", "Divisioni per 10 - 100 - 1000"},
    };
    for (const auto& row : rows) {
        QWidget* w = window(QString::fromLatin1(row.window));
        ASSERT_NE(w, nullptr) << row.window;
        auto* button = w->findChild<QAbstractButton*>(QString::fromLatin1(row.button));
        ASSERT_NE(button, nullptr) << row.window << "." << row.button;
        EXPECT_EQ(spokenName(button), QString::fromUtf8(row.spoken))
            << row.window << "." << row.button;
    }
}

// A sweep over every control, so that a button added later without a name is caught too.
TEST_F(Accessibility, EveryButtonOfEveryWindowHasAName)
{
    for (QWidget* w : loadAll()) {
        const auto buttons = w->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : buttons)
            EXPECT_FALSE(spokenName(b).trimmed().isEmpty())
                << w->objectName().toStdString() << "." << b->objectName().toStdString();
    }
}

// Fonts given in points follow the screen's resolution; a pixel size would not.
TEST_F(Accessibility, EveryFontIsSetInPoints)
{
    for (QWidget* w : loadAll()) {
        const auto widgets = w->findChildren<QWidget*>();
        for (QWidget* c : widgets)
            EXPECT_GT(c->font().pointSizeF(), 0)
                << w->objectName().toStdString() << "." << c->objectName().toStdString();
    }
}

TEST_F(Accessibility, AltOHidesTheCopyField)
{
    const struct {
        QStringList path;
        QString window;
    } rows[] = {
        {{"frminizio.cmd500"}, "frm4op500"},
        {{"frminizio.cmddec", "frmscelta.cmd999"}, "frmdec999"},
    };
    for (const auto& row : rows) {
        restartAndFollow(row.path);
        QWidget* w = window(row.window);
        ASSERT_NE(w, nullptr) << row.window.toStdString();
        click(row.window, "cmdvedi");
        auto* copyField = w->findChild<QPlainTextEdit*>("txtris");
        ASSERT_NE(copyField, nullptr);
        ASSERT_TRUE(copyField->isVisible());
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_O, Qt::AltModifier);
        // A mnemonic animates the press: the click comes a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !copyField->isVisible(); }, 2000))
            << row.window.toStdString();
        EXPECT_FALSE(w->findChild<QAbstractButton*>("cmdok")->isVisible())
            << row.window.toStdString();
    }
}

TEST_F(Accessibility, AltAClosesThePrintDialog)
{
    click("frminizio", "cmd999");
    settle();
    click("frm4op999", "cmdsot");
    click("frm4op999", "cmdstampa");
    settle();
    QWidget* dialog = window("frmstampa");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    // Alt+O does nothing while OK waits for the options.
    QTest::keyClick(dialog, Qt::Key_O, Qt::AltModifier);
    QTest::qWait(300);
    settle();
    ASSERT_NE(window("frmstampa"), nullptr);
    EXPECT_TRUE(window("frmstampa")->isVisible());
    // A mnemonic animates the press: the click comes a moment later.
    QTest::keyClick(dialog, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            settle();
            return window("frmstampa") == nullptr;
        },
        2000));
    EXPECT_TRUE(window("frm4op999")->isVisible());
}

} // namespace
