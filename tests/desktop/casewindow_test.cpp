// SPDX-License-Identifier: GPL-3.0-or-later
// The five case windows: controls, hidden buttons until the first click, the divisor
// options read at every attempt, the print handshake and the way back.
#include "desktop/apptest.h"

#include "support/lineparse.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace apptest;

namespace {

const struct {
    const char* caption;
    const char* title;
    QRect titleRect;
} Cases[] = {
    {"I caso", "I caso: dividendo decimale, divisore intero", {240, 360, 6855, 495}},
    {"II caso",
     "II caso: dividendo decimale e minore del divisore, divisore intero",
     {240, 360, 6855, 855}},
    {"III caso", "III caso: dividendo intero, divisore decimale", {240, 360, 6855, 495}},
    {"IV caso", "IV caso: dividendo e divisore decimali", {240, 360, 6855, 495}},
    {"V caso", "V caso: dividendo e divisore interi, risultato decimale", {960, 360, 5415, 855}},
};

QWidget* open(int n)
{
    click("frminizio", "cmddec");
    click("frmscelta", "cmdpercorso");
    settle();
    click("frminizio2", QString("cmd%1").arg(n));
    settle();
    return window(QString("frm%1caso").arg(n));
}

// Divisors of the lines in the list, as written.
QStringList divisors(QWidget* w)
{
    QStringList out;
    auto* list = w->findChild<QListWidget*>("list");
    for (int i = 0; i < list->count(); ++i) {
        auto parsed = testsupport::parseLine(list->item(i)->text().toStdString());
        EXPECT_TRUE(parsed);
        if (parsed)
            out << QString::fromStdString(parsed->operands.at(1));
    }
    return out;
}

} // namespace

class CaseWindowTest : public AppTest {};

TEST_F(CaseWindowTest, EveryControlAtItsPlace)
{
    for (int n = 1; n <= 5; ++n) {
        TearDown();
        SetUp();
        QWidget* w = open(n);
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(n);
        EXPECT_EQ(w->windowTitle(), Cases[n - 1].caption);
        EXPECT_EQ(w->size(), QSize(px(7365), px(6630)));
        EXPECT_EQ(w->palette().color(QPalette::Window).name(), "#ffc0c0");
        auto* title = w->findChild<QLabel*>("Label1");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), Cases[n - 1].title);
        EXPECT_EQ(title->geometry(), pxRect(Cases[n - 1].titleRect));
        EXPECT_EQ(title->font().family(), "Comic Sans MS");
        EXPECT_EQ(title->font().pointSizeF(), 15.75);
        EXPECT_EQ(title->palette().color(QPalette::WindowText).name(), "#0000ff");

        auto* frame = w->findChild<QGroupBox*>("Frame1");
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), "Divisore");
        EXPECT_EQ(frame->geometry(), pxRect({3120, 1560, 1335, 1455}));
        const struct {
            const char* name;
            const char* caption;
            int top;
        } options[] = {
            {"opt1", "1 cifra", 360}, {"opt2", "2 cifre", 720}, {"optrnd", "Misto", 1080}};
        for (const auto& o : options) {
            auto* b = frame->findChild<QRadioButton*>(o.name);
            ASSERT_NE(b, nullptr) << o.name;
            EXPECT_EQ(b->text(), o.caption);
            EXPECT_EQ(b->geometry(), pxRect(QRect(120, o.top, 975, 255)));
            EXPECT_EQ(b->isChecked(), QString(o.name) == "optrnd");
        }
        auto* fendra = w->findChild<QPushButton*>("cmdfendra");
        ASSERT_NE(fendra, nullptr);
        EXPECT_EQ(fendra->text(), "Fendra !");
        EXPECT_EQ(fendra->geometry(), pxRect({600, 4680, 2295, 495}));
        EXPECT_EQ(fendra->palette().color(QPalette::Button).name(), "#c0c0ff");
        EXPECT_EQ(w->findChild<QListWidget*>("list")->geometry(), pxRect({600, 1560, 2295, 3060}));
        EXPECT_EQ(w->findChild<QPlainTextEdit*>("txtris")->palette().color(QPalette::Text).name(),
                  "#0000c0");
        EXPECT_EQ(w->findChild<QPlainTextEdit*>("txtris")->geometry(),
                  pxRect({600, 5280, 2655, 1215}));
        auto* ok = w->findChild<QPushButton*>("cmdok");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_EQ(ok->toolTip(), "Chiude la finestra per la copia");
        EXPECT_EQ(ok->geometry(), pxRect({120, 5280, 495, 1215}));
        const struct {
            const char* name;
            int left;
        } pictures[] = {{"cmdvedi", 5160}, {"cmdstampa", 5880}, {"cmdfine", 6600}};
        for (const auto& p : pictures) {
            auto* b = w->findChild<QPushButton*>(p.name);
            ASSERT_NE(b, nullptr) << p.name;
            EXPECT_EQ(b->geometry(), pxRect(QRect(p.left, 5880, 615, 615)));
            EXPECT_EQ(b->palette().color(QPalette::Button).name(), "#ff80ff");
        }
        EXPECT_EQ(w->findChild<QPushButton*>("cmdvedi")->toolTip(), "Visualizza per copiare");
        EXPECT_EQ(w->findChild<QPushButton*>("cmdfine")->toolTip(), "Fine");
        EXPECT_EQ(w->findChild<QPushButton*>("cmdstampa")->toolTip(), n == 1 ? "Stampa" : "");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtop"), nullptr);
        ASSERT_NE(w->findChild<QLineEdit*>("txt"), nullptr);
        EXPECT_FALSE(w->findChild<QLineEdit*>("txt")->isVisible());
    }
}

TEST_F(CaseWindowTest, CopyAndPrintButtonsAppearWithTheFirstClickAndStay)
{
    for (int n = 1; n <= 5; ++n) {
        TearDown();
        SetUp();
        QWidget* w = open(n);
        ASSERT_NE(w, nullptr);
        auto* view = w->findChild<QPushButton*>("cmdvedi");
        auto* print = w->findChild<QPushButton*>("cmdstampa");
        EXPECT_FALSE(view->isVisible());
        EXPECT_FALSE(print->isVisible());
        click(w->objectName(), "cmdfendra");
        EXPECT_EQ(w->findChild<QListWidget*>("list")->count(), 10);
        EXPECT_TRUE(view->isVisible());
        EXPECT_TRUE(print->isVisible());
        click(w->objectName(), "cmdvedi");
        EXPECT_TRUE(w->findChild<QPlainTextEdit*>("txtris")->isVisible());
        click(w->objectName(), "cmdok");
        EXPECT_FALSE(w->findChild<QPlainTextEdit*>("txtris")->isVisible());
        EXPECT_TRUE(view->isVisible());
        click(w->objectName(), "cmdstampa");
        EXPECT_EQ(w->findChild<QLineEdit*>("txt")->text(), QString::number(n));
        EXPECT_TRUE(window("frmstampa")->isVisible());
        QLineEdit* range = w->findChild<QLineEdit*>("txt");
        click(w->objectName(), "cmdfine");
        // The case window's back button leaves its fields alone.
        EXPECT_EQ(range->text(), QString::number(n));
        settle();
        EXPECT_TRUE(visibleWindows().contains("frminizio2"));
        EXPECT_EQ(window(QString("frm%1caso").arg(n)), nullptr);
    }
}

TEST_F(CaseWindowTest, DivisorOptionChangesTheNextSet)
{
    QWidget* w = open(1);
    ASSERT_NE(w, nullptr);
    w->findChild<QRadioButton*>("opt2")->click();
    click("frm1caso", "cmdfendra");
    const QStringList two = divisors(w);
    for (const QString& d : two)
        EXPECT_EQ(d.size(), 2) << d.toStdString();
    w->findChild<QRadioButton*>("opt1")->click();
    // The lines already shown stay until the next click.
    EXPECT_EQ(divisors(w), two);
    click("frm1caso", "cmdfendra");
    for (const QString& d : divisors(w))
        EXPECT_EQ(d.size(), 1) << d.toStdString();
    // "Misto" draws the size line by line: over a few sets both sizes appear.
    w->findChild<QRadioButton*>("optrnd")->click();
    QSet<int> sizes;
    for (int i = 0; i < 5; ++i) {
        click("frm1caso", "cmdfendra");
        for (const QString& d : divisors(w))
            sizes.insert(d.size());
    }
    EXPECT_EQ(sizes, (QSet<int>{1, 2}));
}

TEST_F(CaseWindowTest, ExactDivisionsEndByTheHundredths)
{
    QWidget* w = open(2);
    auto* levels = w->findChild<QComboBox*>(QStringLiteral("cbodifficolta"));
    ASSERT_NE(levels, nullptr);
    // The cases have divisions only.
    QStringList captions;
    for (int i = 0; i < levels->count(); ++i)
        captions << levels->itemText(i);
    EXPECT_EQ(captions.join('|'), "Qualsiasi|Divisione esatta|Divisione con resto");
    levels->setCurrentText("Divisione esatta");
    click(w->objectName(), "cmdfendra");
    auto* list = w->findChild<QListWidget*>(QStringLiteral("list"));
    ASSERT_EQ(list->count(), 10);
    // a : b to the hundredths is exact when 100 a / b is whole: with a = A / 10^p and
    // b = B / 10^q, when B 10^p divides 100 A 10^q.
    const auto scaled = [](const std::string& number, long long& units, int& places) {
        units = 0;
        places = 0;
        bool after = false;
        for (const char c : number) {
            if (c == ',') {
                after = true;
                continue;
            }
            units = units * 10 + (c - '0');
            places += after ? 1 : 0;
        }
    };
    for (int i = 0; i < list->count(); ++i) {
        const std::string line = list->item(i)->text().toStdString();
        const auto parts = testsupport::parseLine(line);
        ASSERT_TRUE(parts && parts->operands.size() == 2) << line;
        long long a = 0, b = 0;
        int p = 0, q = 0;
        scaled(parts->operands[0], a, p);
        scaled(parts->operands[1], b, q);
        long long numerator = 100 * a, denominator = b;
        for (; q > 0; --q)
            numerator *= 10;
        for (; p > 0; --p)
            denominator *= 10;
        EXPECT_EQ(numerator % denominator, 0) << line;
    }
}
