// SPDX-License-Identifier: GPL-3.0-or-later
// The five integer windows: controls, positions, colours, the generation frame, the copy
// field and the print handshake.
#include "desktop/apptest.h"

#include "desktop/context.h"
#include "desktop/print/printdialog.h"
#include "desktop/windows/exercisewindow.h"
#include "support/lineparse.h"
#include "support/pdftext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace apptest;

namespace {

struct Generator {
    const char* button;
    const char* kind;
    const char* label;
    const char* secondLabel;
};

struct IntegerWindowRow {
    const char* name;
    const char* openedBy;
    const char* caption;
    const char* range;
    const char* colour;
    QRect list;
    const char* listColour;
    QRect copyField;
    int buttonLeft, labelLeft, firstTop;
    std::vector<Generator> generators;
};

const std::vector<Generator> Middle = {
    {"cmdad2", "+2", "Addizioni a 2 addendi", ""},
    {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", "al moltiplicatore"},
    {"cmdmolt3", "x2", "Moltiplicazioni 2 cifre", "al moltiplicatore"},
    {"cmddiv1", ":", "Divisioni 1 cifra", "al divisore"},
    {"cmddiv2", ":2", "Divisioni 2 cifre", "al divisore"},
    {"cmdmis", "m", "Operazioni miste", ""},
};

std::vector<Generator> large(const char* add2, const char* add3)
{
    return {
        {"cmdad2", "+2", add2, ""},
        {"cmdad3", "+3", add3, ""},
        {"cmdsot", "-", "Sottrazioni", ""},
        {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", "al moltiplicatore"},
        {"cmdmolt2", "x2", "Moltiplicazioni 2 cifre", "al moltiplicatore"},
        {"cmdmolt3", "x3", "Moltiplicazioni 3 cifre", "al moltiplicatore"},
        {"cmddiv1", ":", "Divisioni 1 cifra", "al divisore"},
        {"cmddiv2", ":2", "Divisioni 2 cifre", "al divisore"},
        {"cmdmis", "m", "Operazioni miste", ""},
    };
}

const std::vector<IntegerWindowRow>& windows()
{
    static const std::vector<IntegerWindowRow> rows = {
        {"frm4op500",
         "cmd500",
         "Fendra operazioni entro il 500",
         "500",
         "#80ff80",
         {3480, 1200, 2415, 3060},
         "#c0ffc0",
         {120, 2880, 1935, 2295},
         6120,
         6720,
         1200,
         {{"cmdad2", "+2", "Addizioni a 2 addendi", ""},
          {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
          {"cmdsot", "-", "Sottrazioni", ""},
          {"cmdmolt", "x", "Moltiplicazioni", ""},
          {"cmddiv2", ":2", "Divisioni 2 cifre", "al dividendo"},
          {"cmddiv3", ":3", "Divisioni 3 cifre", "al dividendo"},
          {"cmdmis", "m", "Operazioni miste", ""}}},
        {"frm4op999",
         "cmd999",
         "Fendra operazioni entro il 999",
         "999",
         "#ff80ff",
         {3120, 1200, 2295, 3060},
         "#ffc0ff",
         {120, 3120, 1935, 2055},
         5640,
         6240,
         960,
         Middle},
        {"frm4op9999",
         "cmd9999",
         "Fendra operazioni entro il 9.999",
         "9999",
         "#ffc080",
         {3000, 1200, 2775, 3060},
         "#ffe0c0",
         {120, 3120, 2175, 2055},
         5880,
         6480,
         960,
         Middle},
        {"frm4op99999",
         "cmd99999",
         "Fendra operazioni entro il 99.999",
         "99999",
         "#00ffff",
         {2760, 1080, 3135, 3060},
         "#c0ffff",
         {120, 3000, 2175, 2175},
         6000,
         6480,
         600,
         large("Addizioni con 2 addendi", "Addizioni con 3 addendi")},
        {"frm4op999999",
         "cmd999999",
         "Fendra operazioni entro il 999.999",
         "999999",
         "#c0c0ff",
         {2520, 1080, 3495, 3060},
         "#c0ffff",
         {120, 2640, 2295, 2535},
         6120,
         6600,
         600,
         large("Addizioni a 2 addendi", "Addizioni a 3 addendi")},
    };
    return rows;
}

template <typename T> T* child(QWidget* w, const char* name)
{
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << w->objectName().toStdString() << "." << name;
    return c;
}

QWidget* open(const IntegerWindowRow& row)
{
    click("frminizio", row.openedBy);
    settle();
    return window(row.name);
}

} // namespace

class IntegerWindowTest : public AppTest {};

TEST_F(IntegerWindowTest, EveryControlAtItsPlaceAndColour)
{
    for (const IntegerWindowRow& row : windows()) {
        TearDown();
        SetUp();
        QWidget* w = open(row);
        ASSERT_NE(w, nullptr) << row.name;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(w->windowTitle(), row.caption);
        EXPECT_EQ(w->size(), QSize(px(11055), px(5655)));
        EXPECT_EQ(w->palette().color(QPalette::Window).name(), row.colour);
        expectCentred(w);

        auto* list = child<QListWidget>(w, "list");
        EXPECT_EQ(list->geometry(), pxRect(row.list));
        EXPECT_EQ(list->palette().color(QPalette::Base).name(), row.listColour);
        EXPECT_EQ(list->palette().color(QPalette::Text).name(), "#0000c0");
        EXPECT_EQ(list->font().family(), "MS Sans Serif");
        EXPECT_EQ(list->font().pointSizeF(), 12);

        auto* copy = child<QPlainTextEdit>(w, "txtris");
        EXPECT_EQ(copy->geometry(), pxRect(row.copyField));
        EXPECT_EQ(copy->palette().color(QPalette::Base).name(), row.listColour);
        EXPECT_FALSE(copy->isVisible());

        auto* ok = child<QPushButton>(w, "cmdok");
        EXPECT_EQ(ok->geometry(), pxRect(QRect(120, 5160, row.copyField.width(), 375)));
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_EQ(ok->toolTip(), "Nasconde la finestra per la copia");
        EXPECT_EQ(ok->palette().color(QPalette::Button).name(), "#ffff00");
        EXPECT_FALSE(ok->isVisible());

        const struct {
            const char* name;
            int left;
            const char* tooltip;
        } pictures[] = {{"cmdvedi", 8520, "Visualizza per copiare"},
                        {"cmdstampa", 9360, "Stampa 40 operazioni del tipo selezionato"},
                        {"cmdfine", 10200, "Indietro"}};
        for (const auto& p : pictures) {
            auto* b = child<QPushButton>(w, p.name);
            EXPECT_EQ(b->geometry(), pxRect(QRect(p.left, 4800, 735, 735))) << p.name;
            EXPECT_EQ(b->toolTip(), p.tooltip);
            EXPECT_FALSE(b->icon().isNull()) << p.name;
            EXPECT_EQ(b->palette().color(QPalette::Button).name(), "#ffff00");
            EXPECT_TRUE(b->isVisible());
        }
        EXPECT_FALSE(child<QPushButton>(w, "cmdstampa")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(w, "cmdvedi")->isEnabled());

        for (const char* hidden : {"txt", "txtop"}) {
            auto* field = child<QLineEdit>(w, hidden);
            EXPECT_FALSE(field->isVisible());
            EXPECT_TRUE(field->text().isEmpty());
        }

        // Generator buttons: one column, 375 x 255, 480 apart, with their labels.
        int top = row.firstTop;
        QStringList buttonsInWindow;
        for (const Generator& g : row.generators) {
            auto* b = child<QPushButton>(w, g.button);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->geometry(), pxRect(QRect(row.buttonLeft, top, 375, 255))) << g.button;
            EXPECT_TRUE(b->text().isEmpty());
            EXPECT_EQ(b->palette().color(QPalette::Button).name(), "#ffff00");
            QStringList texts;
            for (QLabel* l : w->findChildren<QLabel*>()) {
                if (l->y() < px(top + 255) && l->geometry().bottom() > px(top) &&
                    l->x() >= px(row.labelLeft) - 1)
                    texts << l->text();
            }
            QStringList expected{g.label};
            if (*g.secondLabel)
                expected << g.secondLabel;
            texts.sort();
            expected.sort();
            EXPECT_EQ(texts, expected) << g.button;
            top += 480;
        }
        // No generator button beyond the table (e.g. no cmdmolt2 within 999 and 9.999).
        for (const char* other : {"cmdad2", "cmdad3", "cmdsot", "cmdmolt", "cmdmolt2", "cmdmolt3",
                                  "cmddiv1", "cmddiv2", "cmddiv3", "cmdmis"}) {
            bool listed = false;
            for (const Generator& g : row.generators)
                listed = listed || QString(g.button) == other;
            if (!listed) {
                EXPECT_EQ(w->findChild<QPushButton*>(other), nullptr) << other;
            }
        }
    }
}

TEST_F(IntegerWindowTest, EveryButtonMakesTenLinesAndHandsItsKindToThePrintJob)
{
    for (const IntegerWindowRow& row : windows()) {
        TearDown();
        SetUp();
        QWidget* w = open(row);
        ASSERT_NE(w, nullptr);
        auto* list = child<QListWidget>(w, "list");
        auto* copy = child<QPlainTextEdit>(w, "txtris");
        auto* print = child<QPushButton>(w, "cmdstampa");
        for (const Generator& g : row.generators) {
            SCOPED_TRACE(std::string(row.name) + "." + g.button);
            click(row.name, g.button);
            ASSERT_EQ(list->count(), 10);
            QString joined;
            for (int i = 0; i < list->count(); ++i) {
                const std::string line = list->item(i)->text().toStdString();
                auto parsed = testsupport::parseLine(line);
                ASSERT_TRUE(parsed) << line;
                EXPECT_EQ(parsed->closing, " = ");
                joined += list->item(i)->text();
            }
            EXPECT_EQ(copy->toPlainText(), joined);
            EXPECT_TRUE(print->isEnabled());
            print->click();
            EXPECT_EQ(child<QLineEdit>(w, "txtop")->text(), g.kind);
            EXPECT_EQ(child<QLineEdit>(w, "txt")->text(), row.range);
            EXPECT_TRUE(window("frmstampa")->isVisible());
        }
    }
}

TEST_F(IntegerWindowTest, CopyFieldShowsAndHides)
{
    QWidget* w = open(windows()[0]);
    auto* copy = child<QPlainTextEdit>(w, "txtris");
    auto* ok = child<QPushButton>(w, "cmdok");
    w->show();
    click("frm4op500", "cmdvedi");
    EXPECT_TRUE(copy->isVisible());
    EXPECT_TRUE(ok->isVisible());
    EXPECT_TRUE(copy->toPlainText().isEmpty());
    EXPECT_FALSE(child<QPushButton>(w, "cmdstampa")->isEnabled());
    click("frm4op500", "cmdsot");
    const QString shown = copy->toPlainText();
    EXPECT_FALSE(shown.isEmpty());
    click("frm4op500", "cmdok");
    EXPECT_FALSE(copy->isVisible());
    EXPECT_FALSE(ok->isVisible());
    click("frm4op500", "cmdvedi");
    EXPECT_EQ(copy->toPlainText(), shown);
    // A new generation replaces the text shown.
    click("frm4op500", "cmdsot");
    EXPECT_NE(copy->toPlainText(), shown);
    EXPECT_EQ(child<QListWidget>(w, "list")->count(), 10);
}

TEST_F(IntegerWindowTest, KindFieldChangesOnlyWhenPrinting)
{
    QWidget* w = open(windows()[1]);
    click("frm4op999", "cmdad2");
    click("frm4op999", "cmdstampa");
    click("frm4op999", "cmdsot");
    EXPECT_EQ(child<QLineEdit>(w, "txtop")->text(), "+2");
    click("frm4op999", "cmdstampa");
    EXPECT_EQ(child<QLineEdit>(w, "txtop")->text(), "-");
}

TEST_F(IntegerWindowTest, BackEmptiesTheRangeFieldAndReentryStartsFresh)
{
    QWidget* w = open(windows()[2]);
    click("frm4op9999", "cmdmis");
    click("frm4op9999", "cmdstampa");
    click("frm4op9999", "cmdvedi");
    QLineEdit* range = child<QLineEdit>(w, "txt");
    EXPECT_EQ(range->text(), "9999");
    click("frm4op9999", "cmdfine");
    EXPECT_TRUE(range->text().isEmpty()); // read before the window is deleted
    settle();
    EXPECT_EQ(window("frm4op9999"), nullptr);
    w = open(windows()[2]);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(child<QListWidget>(w, "list")->count(), 0);
    EXPECT_FALSE(child<QPlainTextEdit>(w, "txtris")->isVisible());
    EXPECT_FALSE(child<QPushButton>(w, "cmdstampa")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(w, "txtop")->text().isEmpty());
}

TEST_F(IntegerWindowTest, TheWindowWhosePrintButtonOpenedTheDialogIsPrinted)
{
    // A decimal window's handshake is cancelled; the window within 99.999, opened before it
    // and earlier in the lookup order, then prints its subtractions.
    restartAndFollow({"frminizio.cmddec", "frminizio.cmd99999", "frmscelta.cmd999",
                      "frmdec999.cmdad", "frmdec999.cmdstampa", "frmstampa.cmdannulla",
                      "frm4op99999.cmdsot", "frm4op99999.cmdstampa"});
    auto* dialog = qobject_cast<print::PrintDialog*>(window("frmstampa"));
    ASSERT_NE(dialog, nullptr);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("scheda.pdf");
    print::PrintEnvironment& env = dialog->environment();
    env.printerMissing = [] { return true; };
    env.choosePdfFile = [&pdf](QWidget*) { return pdf; };
    env.tell = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
    click("frmstampa", "opt10");
    click("frmstampa", "optc2");
    click("frmstampa", "cmdok");

    // Twenty subtractions of whole numbers: no addition, no decimal comma.
    const QString sheet = pdftext::pageLines(pdf, 1).mid(2).join('\n');
    EXPECT_FALSE(sheet.contains('+') || sheet.contains(',')) << sheet.toStdString();
    EXPECT_EQ(sheet.count(" - "), 20) << sheet.toStdString();
    EXPECT_EQ(sheet.count(" ="), 20) << sheet.toStdString();
}

namespace {

// An exercise window with a rule of the test's own, to check the frame itself.
class FrameProbe : public widgets::ExerciseWindow {
public:
    explicit FrameProbe(app::Context& c) : ExerciseWindow(c, data()) {}
    void run(const QString& kind, const core::Recipe& r) { generate(kind, r); }

    static widgets::ExerciseWindowData data()
    {
        widgets::ExerciseWindowData d;
        d.caption = "probe";
        d.rangeCode = "500";
        d.windowColour = Qt::white;
        d.list = QRect(120, 120, 2000, 3060);
        d.copyField = QRect(120, 3300, 2000, 1000);
        d.okButton = QRect(120, 4400, 2000, 375);
        return d;
    }
};

} // namespace

TEST(GenerationFrame, FillsListAndCopyTextAndReplacesThem)
{
    app::Context context;
    FrameProbe probe(context);
    int attempts = 0;
    // Lines that show their block (its operator) and the accepted attempt's number.
    auto everyOther = [&attempts](core::Operator op) {
        return [&attempts, op](core::RandomSource&) -> std::optional<core::Operation> {
            ++attempts;
            if (attempts % 2)
                return std::nullopt;
            return core::operation(op, {core::plain(attempts / 2), core::plain(1)},
                                   core::ClosingScreen);
        };
    };
    probe.run("t", core::singleKind(everyOther(core::Operator::Plus)));
    auto* list = probe.findChild<QListWidget*>("list");
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(attempts, 20);
    EXPECT_EQ(list->item(0)->text(), "1 + 1 = ");
    EXPECT_EQ(list->item(9)->text(), "10 + 1 = ");
    EXPECT_EQ(probe.findChild<QPlainTextEdit*>("txtris")->toPlainText(),
              "1 + 1 = 2 + 1 = 3 + 1 = 4 + 1 = 5 + 1 = 6 + 1 = 7 + 1 = 8 + 1 = 9 + 1 = "
              "10 + 1 = ");
    EXPECT_EQ(probe.currentKind(), "t");
    EXPECT_EQ(probe.lastLine(), "10 + 1 = ");
    EXPECT_TRUE(probe.findChild<QPushButton*>("cmdstampa")->isEnabled());

    attempts = 0;
    probe.run("u", core::Recipe{{everyOther(core::Operator::Minus), 4},
                                {everyOther(core::Operator::Times), 6}});
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->item(0)->text(), "1 - 1 = ");
    EXPECT_EQ(list->item(4)->text(), "5 x 1 = ");
    EXPECT_TRUE(
        probe.findChild<QPlainTextEdit*>("txtris")->toPlainText().startsWith("1 - 1 = 2 - 1 = "));
    EXPECT_EQ(probe.currentKind(), "u");
}

namespace {

// The column additions' carries of "a + b", from the values: place k carries when the
// addends' lower k + 1 places already reach 10^(k+1).
int additionCarries(long a, long b)
{
    int carries = 0;
    for (long p = 10; p <= (a + b) * 10; p *= 10)
        carries += a % p + b % p >= p ? 1 : 0;
    return carries;
}

} // namespace

TEST_F(IntegerWindowTest, DifficultyHoldsOnEveryLineAndRefusesAKindWithoutIt)
{
    QWidget* w = open(windows()[1]); // within 999
    auto* levels = child<QComboBox>(w, "cbodifficolta");
    auto* note = child<QLabel>(w, "lblnodifficolta");
    auto* list = child<QListWidget>(w, "list");
    EXPECT_EQ(child<QLabel>(w, "lbldifficolta")->text(), "&Difficoltà");
    // "Qualsiasi" at every load, then the levels of the window's kinds.
    QStringList captions;
    for (int i = 0; i < levels->count(); ++i)
        captions << levels->itemText(i);
    EXPECT_EQ(captions.join('|'), "Qualsiasi|Senza cambio|Con un cambio|Con più cambi|Con lo "
                                  "zero|Divisione esatta|Divisione con resto");
    EXPECT_EQ(levels->currentIndex(), 0);

    levels->setCurrentText("Con un cambio");
    click("frm4op999", "cmdad2");
    ASSERT_EQ(list->count(), 10);
    for (int i = 0; i < list->count(); ++i) {
        const auto parts = testsupport::parseLine(list->item(i)->text().toStdString());
        ASSERT_TRUE(parts && parts->operands.size() == 2) << list->item(i)->text().toStdString();
        EXPECT_EQ(additionCarries(std::stol(parts->operands[0]), std::stol(parts->operands[1])), 1)
            << list->item(i)->text().toStdString();
    }
    EXPECT_EQ(note->text(), "");

    // A level the additions lack: nothing changes but the note.
    const QString first = list->item(0)->text();
    levels->setCurrentText("Divisione esatta");
    click("frm4op999", "cmdad2");
    EXPECT_EQ(list->item(0)->text(), first);
    EXPECT_EQ(note->text(), "«Divisione esatta» non vale per «Addizioni a 2 addendi».");
    click("frm4op999", "cmddiv1");
    EXPECT_EQ(note->text(), "");
    ASSERT_EQ(list->count(), 10);
    for (int i = 0; i < list->count(); ++i) {
        const auto parts = testsupport::parseLine(list->item(i)->text().toStdString());
        ASSERT_TRUE(parts && parts->operands.size() == 2);
        EXPECT_EQ(std::stol(parts->operands[0]) % std::stol(parts->operands[1]), 0)
            << list->item(i)->text().toStdString();
    }
    // The print job reads the level chosen now.
    auto* exercise = qobject_cast<widgets::ExerciseWindow*>(w);
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(exercise->generatorOptions().remainder, core::Remainder::None);
    levels->setCurrentIndex(0);
    EXPECT_EQ(exercise->generatorOptions(), core::GeneratorOptions{});
}
