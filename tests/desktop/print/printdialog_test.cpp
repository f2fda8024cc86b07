// SPDX-License-Identifier: GPL-3.0-or-later
// The print options dialog and the job it runs, with fake exercise windows and a PDF file
// standing in for the printer.
#include "desktop/print/preview.h"
#include "desktop/print/printdialog.h"
#include "desktop/windows/ui.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/sourcelookup.h"
#include "support/pdftext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>

using print::PrintDialog;

namespace {

// The exercise windows as the print job sees them: by name, with the texts of their two
// hidden fields (range code, kind code).
class FakeWindows final : public print::SourceWindows {
public:
    bool holdsOwnCode(std::string_view range) const override
    {
        const auto* fields = find(range);
        return fields && fields->first == QString::fromUtf8(range.data(), qsizetype(range.size()));
    }
    std::string kindField(std::string_view range) const override
    {
        const auto* fields = find(range);
        return fields ? fields->second.toStdString() : std::string();
    }
    core::GeneratorOptions options(std::string_view) const override { return shown; }

    std::map<std::string, std::pair<QString, QString>> open;
    core::GeneratorOptions shown; // what every window's controls show

private:
    const std::pair<QString, QString>* find(std::string_view range) const
    {
        const core::WindowEntry* entry = core::windowOfRange(range);
        if (!entry)
            return nullptr;
        auto it = open.find(std::string(entry->name));
        return it == open.end() ? nullptr : &it->second;
    }
};

FakeWindows& fakeWindows()
{
    static FakeWindows windows;
    return windows;
}

// A fake window stays open while its handle lives.
struct FakeWindow {
    std::string name;
    ~FakeWindow() { fakeWindows().open.erase(name); }
};

std::unique_ptr<FakeWindow> fakeWindow(const QString& name, const QString& range,
                                       const QString& kind)
{
    auto window = std::make_unique<FakeWindow>();
    window->name = name.toStdString();
    fakeWindows().open[window->name] = {range, kind};
    return window;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class PrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widgets::installFontSubstitutions();
        ASSERT_TRUE(m_dir.isValid());
        m_random.setReseedFromClock(false);
        m_random.seed(2024);
    }

    void TearDown() override
    {
        delete m_dialog.data();
        flushDeletes();
    }

    // A dialog whose printer is missing and whose user saves every job as a PDF file.
    PrintDialog* open()
    {
        m_dialog = new PrintDialog(m_random, fakeWindows());
        auto& env = m_dialog->environment();
        env.printerMissing = [] { return true; };
        env.choosePdfFile = [this](QWidget*) {
            ++m_fileRequests;
            return m_nextFile;
        };
        env.savePdfAs = [this](QWidget*) {
            ++m_fileRequests;
            return m_nextFile;
        };
        env.tell = [this](QWidget*, const QString& text) { m_messages << text; };
        m_dialog->show();
        return m_dialog;
    }

    template <typename T = QAbstractButton> T* child(const char* name)
    {
        auto* widget = m_dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char* name) { child(name)->click(); }

    QString nextPdf()
    {
        m_nextFile = m_dir.filePath(QStringLiteral("job%1.pdf").arg(++m_files));
        return m_nextFile;
    }

    // Sets the options and presses OK; returns the PDF written (if any).
    QString printWith(const char* count, const char* columns, const QString& copies)
    {
        const QString pdf = nextPdf();
        click(count);
        click(columns);
        child<QLineEdit>("txtcop")->setText(copies);
        click("cmdok");
        return pdf;
    }

    // The dialog still shows the options it was given.
    void expectSettings(const char* heading, const char* count, const char* columns)
    {
        EXPECT_EQ(child<QLineEdit>("txtcom")->text(), heading);
        EXPECT_TRUE(child<QRadioButton>(count)->isChecked()) << count;
        EXPECT_TRUE(child<QRadioButton>(columns)->isChecked()) << columns;
        EXPECT_TRUE(child("cmdok")->isEnabled());
    }

    core::RandomSequence m_random;
    QPointer<PrintDialog> m_dialog;
    QTemporaryDir m_dir;
    QString m_nextFile;
    int m_files = 0;
    int m_fileRequests = 0;
    QStringList m_messages;
};

// Calls `act` once a modal dialog of type T is up (inside its own event loop).
template <typename T> void whenModal(const std::function<void(T*)>& act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start(20);
}

// Operations of the form "a - b =" on a printed line, as pairs of numbers.
QList<QStringList> subtractions(const QString& line)
{
    static const QRegularExpression op(QStringLiteral(R"re((\d+) - (\d+) =)re"));
    QList<QStringList> found;
    for (auto it = op.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        found << QStringList{m.captured(1), m.captured(2)};
    }
    return found;
}

} // namespace

TEST_F(PrintDialogTest, ControlsAsDesigned)
{
    open();
    EXPECT_EQ(m_dialog->objectName(), "frmstampa");
    EXPECT_EQ(m_dialog->windowTitle(), "Stampa");
    EXPECT_FALSE(m_dialog->isModal());
    EXPECT_TRUE(m_dialog->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(m_dialog->size(), QSize(widgets::twips(4125), widgets::twips(6795)));

    struct Control {
        const char* name;
        const char* parent;
        QString caption;
        QRect twips;
    };
    const Control controls[] = {
        {"fracom", "frmstampa", "Comando", {120, 120, 3855, 975}},
        {"txtcom", "fracom", "Calcola le seguenti operazioni:", {120, 480, 3615, 375}},
        {"franop",
         "frmstampa",
         QString::fromUtf8("N\u00B0 operazioni per colonna"),
         {120, 1200, 2535, 855}},
        {"opt10", "franop", "10", {120, 480, 495, 255}},
        {"opt20", "franop", "20", {720, 480, 495, 255}},
        {"opt30", "franop", "30", {1320, 480, 495, 255}},
        {"opt40", "franop", "40", {1920, 480, 495, 255}},
        {"Frame1", "frmstampa", QString::fromUtf8("N\u00B0 colonne"), {2760, 1200, 1215, 855}},
        {"optc1", "Frame1", "1", {120, 480, 495, 255}},
        {"optc2", "Frame1", "2", {600, 480, 495, 255}},
        {"fracop", "frmstampa", QString::fromUtf8("N\u00B0 copie"), {120, 2160, 2535, 975}},
        {"txtcop", "fracop", "1", {120, 480, 2265, 375}},
        {"cmdok", "frmstampa", "&OK", {2760, 2280, 1215, 375}},
        {"cmdannulla", "frmstampa", "&Annulla", {2760, 2760, 1215, 375}},
        {"chksol", "frmstampa", "Stampa anche le soluzioni", {120, 3240, 3855, 255}},
        {"cmdanteprima", "frmstampa", "Antep&rima\u2026", {1440, 3600, 1215, 375}},
        {"cmdpdf", "frmstampa", "Salva &PDF\u2026", {2760, 3600, 1215, 375}},
        {"fraimpagina", "frmstampa", "&Impaginazione", {120, 4080, 3855, 1635}},
        {"optriga", "fraimpagina", "In riga", {120, 360, 3615, 255}},
        {"optq5", "fraimpagina", "In colonna, quadretti da 5 mm", {120, 660, 3615, 255}},
        {"optq4", "fraimpagina", "In colonna, quadretti da 4 mm", {120, 960, 3615, 255}},
        {"optq10", "fraimpagina", "In colonna, quadretti da 1 cm", {120, 1260, 3615, 255}},
        {"chknome", "frmstampa", "Riga per &nome, classe e data", {120, 5820, 3855, 255}},
        {"chkdiverse", "frmstampa", "Operazioni &diverse in ogni copia", {120, 6120, 3855, 255}},
        {"lblfogli", "frmstampa", "", {120, 6420, 3855, 255}},
    };
    QString mnemonics;
    for (const Control& c : controls) {
        auto* w = m_dialog->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent) << c.name;
        EXPECT_EQ(w->geometry(),
                  widgets::twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()))
            << c.name;
        QString caption;
        if (auto* box = qobject_cast<QGroupBox*>(w))
            caption = box->title();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            caption = edit->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            caption = button->text();
        EXPECT_EQ(caption, c.caption) << c.name;
        EXPECT_EQ(w->font(), m_dialog->font()) << c.name;
        if (const qsizetype amp = caption.indexOf('&'); amp >= 0)
            mnemonics += caption[amp + 1].toLower();
    }
    // Each mnemonic is taken once, in the order of the table.
    EXPECT_EQ(mnemonics, "oarpind");
    for (const char* name : {"opt10", "opt20", "opt30", "opt40", "optc1", "optc2", "optq5", "optq4",
                             "optq10", "chksol", "chknome", "chkdiverse"})
        EXPECT_FALSE(child(name)->isChecked()) << name;
    EXPECT_TRUE(child("optriga")->isChecked());
    EXPECT_FALSE(child("cmdok")->isEnabled());
}

TEST_F(PrintDialogTest, TabOrderAndFirstFocus)
{
    open();
    QApplication::setActiveWindow(m_dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog));
    EXPECT_EQ(QApplication::focusWidget(), child("cmdannulla"));

    const char* order[] = {"cmdok",  "cmdannulla",   "txtcom",  "txtcop",    "opt10",
                           "opt20",  "opt30",        "opt40",   "optc1",     "optc2",
                           "chksol", "cmdanteprima", "cmdpdf",  "optriga",   "optq5",
                           "optq4",  "optq10",       "chknome", "chkdiverse"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // The frames are in the chain too but never take the focus.
        QWidget* next = m_dialog->findChild<QWidget*>(QString::fromLatin1(order[i - 1]));
        do
            next = next->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus);
        EXPECT_EQ(next->objectName().toStdString(), order[i]) << order[i - 1];
    }
}

TEST_F(PrintDialogTest, OkNeedsACountAndAColumnInEitherOrder)
{
    struct Case {
        std::vector<const char*> clicks;
        bool enabled;
        int groups;
    };
    const Case cases[] = {
        {{"opt20", "optc2"}, true, 2},
        {{"optc2", "opt20"}, true, 2},
        {{"opt20"}, false, 2},
        {{"optc2"}, false, 0},
        {{"optc1", "optc2"}, false, 0},
        {{"opt40", "opt10"}, false, 1},
        {{"opt40", "optc1", "opt10"}, true, 1},
        {{"opt30", "optc1", "optc2"}, true, 3},
    };
    for (const Case& c : cases) {
        open();
        for (const char* name : c.clicks)
            click(name);
        EXPECT_EQ(child("cmdok")->isEnabled(), c.enabled) << c.clicks.back();
        EXPECT_EQ(child("cmdanteprima")->isEnabled(), c.enabled) << c.clicks.back();
        EXPECT_EQ(child("cmdpdf")->isEnabled(), c.enabled) << c.clicks.back();
        EXPECT_EQ(m_dialog->groupCount(), c.groups) << c.clicks.back();
        delete m_dialog.data();
    }
}

TEST_F(PrintDialogTest, EnterPressesTheFocusedButtonElseOkOnceEnabledAndEscCloses)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    // Enter on the named control, with the focus there.
    auto enter = [this](const char* name) {
        QApplication::setActiveWindow(m_dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog));
        QWidget* w = child<QWidget>(name);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        flushDeletes();
    };
    open();
    nextPdf();
    enter("txtcom");
    ASSERT_TRUE(m_dialog);
    EXPECT_EQ(m_fileRequests, 0);
    click("opt10");
    click("optc1");
    enter("opt10");
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 1);

    open();
    click("opt10");
    click("optc1");
    nextPdf();
    enter("cmdpdf");
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 2);

    open();
    click("opt10");
    click("optc1");
    enter("cmdannulla");
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 2);

    open();
    child<QLineEdit>("txtcom")->setText("Altro titolo");
    QTest::keyClick(m_dialog, Qt::Key_Escape);
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 2);
    // A new loading starts from the initial state.
    open();
    EXPECT_EQ(child<QLineEdit>("txtcom")->text(), "Calcola le seguenti operazioni:");
    EXPECT_EQ(child<QLineEdit>("txtcop")->text(), "1");
}

TEST_F(PrintDialogTest, TwoColumnsOfTwentyFromTheSubtractionsWithin999)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    const QString pdf = printWith("opt20", "optc2", "1");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();
    ASSERT_EQ(pdftext::pageCount(pdf), 1);

    const QStringList lines = pdftext::pageLines(pdf, 1);
    ASSERT_EQ(lines.size(), 1 + 2 * 11) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0].trimmed(), "Calcola le seguenti operazioni:");
    EXPECT_EQ(lines[1].simplified(), "1) 2)");
    EXPECT_EQ(lines[12].simplified(), "3) 4)");
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}) {
        const auto ops = subtractions(lines[i]);
        ASSERT_EQ(ops.size(), 2) << lines[i].toStdString();
        for (const QStringList& op : ops) {
            const int a = op[0].toInt(), b = op[1].toInt();
            EXPECT_TRUE(a >= 400 && a <= 999 && b >= 1 && b <= a) << lines[i].toStdString();
        }
    }
}

TEST_F(PrintDialogTest, OneColumnOfFortyPrintsFourNumberedGroups)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    child<QLineEdit>("txtcom")->setText("");
    const QString pdf = printWith("opt40", "optc1", "1");
    QStringList lines;
    for (int page = 1; page <= pdftext::pageCount(pdf); ++page)
        lines << pdftext::pageLines(pdf, page);
    QStringList labels;
    int operations = 0;
    for (const QString& line : lines) {
        if (line.trimmed().endsWith(')'))
            labels << line.trimmed();
        operations += int(subtractions(line).size());
        EXPECT_LE(subtractions(line).size(), 1);
    }
    EXPECT_EQ(labels, (QStringList{"1)", "2)", "3)", "4)"}));
    EXPECT_EQ(operations, 40);
}

TEST_F(PrintDialogTest, CopiesShareTheOperationsAndJobsDiffer)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    const QString first = printWith("opt10", "optc2", " 2.5");
    ASSERT_EQ(pdftext::pageCount(first), 2);
    const QStringList copy1 = pdftext::pageLines(first, 1);
    EXPECT_EQ(copy1, pdftext::pageLines(first, 2));

    open();
    const QString second = printWith("opt10", "optc2", "1");
    ASSERT_EQ(pdftext::pageCount(second), 1);
    EXPECT_NE(copy1.mid(2), pdftext::pageLines(second, 1).mid(2));
}

TEST_F(PrintDialogTest, LaterWindowInTheOrderWins)
{
    auto small = fakeWindow("frm4op500", "500", "+2");
    auto large = fakeWindow("frm4op999", "999", "-");
    auto stale = fakeWindow("frm4op9999", "", "x1"); // its back button emptied the range
    open();
    const QString pdf = printWith("opt10", "optc1", "1");
    const QStringList lines = pdftext::pageLines(pdf, 1);
    int operations = 0;
    for (const QString& line : lines)
        operations += int(subtractions(line).size());
    EXPECT_EQ(operations, 10) << lines.join('\n').toStdString();
}

TEST_F(PrintDialogTest, ClosedSourcePrintsNothingAndSaysSo)
{
    auto closed = fakeWindow("frm4op999", "", "-");
    open();
    printWith("opt10", "optc1", "1");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 0);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QStringLiteral("chiusa")));
}

TEST_F(PrintDialogTest, TooManyCopiesKeepTheDialogOpen)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    for (const char* copies : {"100", "1e400", "5000"}) {
        printWith("opt10", "optc1", copies);
        flushDeletes();
        ASSERT_TRUE(m_dialog) << copies;
        EXPECT_EQ(m_fileRequests, 0);
    }
    ASSERT_EQ(m_messages.size(), 3);
    EXPECT_TRUE(m_messages[0].contains(QStringLiteral("99")));
    // Corrected, it prints.
    const QString pdf = printWith("opt10", "optc1", "99");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(pdftext::pageCount(pdf), 99);
}

TEST_F(PrintDialogTest, FewerThanOneCopyKeepsTheDialogOpen)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    child<QLineEdit>("txtcom")->setText("Esercizi");
    const QStringList texts = {"", "abc", "0", "-3", "0.9"};
    for (const QString& copies : texts) {
        printWith("opt20", "optc2", copies);
        flushDeletes();
        ASSERT_TRUE(m_dialog) << copies.toStdString();
        // The settings stay as they were, ready to be corrected.
        EXPECT_EQ(child<QLineEdit>("txtcop")->text(), copies);
        EXPECT_EQ(child<QLineEdit>("txtcom")->text(), "Esercizi");
        EXPECT_TRUE(child<QRadioButton>("opt20")->isChecked());
        EXPECT_TRUE(child<QRadioButton>("optc2")->isChecked());
    }
    EXPECT_EQ(m_fileRequests, 0);
    ASSERT_EQ(m_messages.size(), texts.size());
    for (const QString& message : m_messages)
        EXPECT_TRUE(message.contains(QStringLiteral("tra 1 e 99"))) << message.toStdString();
    // Corrected, it prints.
    const QString pdf = printWith("opt10", "optc1", " 3abc");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(pdftext::pageCount(pdf), 3);
}

TEST_F(PrintDialogTest, FailedFileOrPrinterKeepsTheDialogAsItWas)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    child<QLineEdit>("txtcom")->setText("Verifica");
    m_nextFile = QStringLiteral("/nonexistent-folder/scheda.pdf");
    click("opt10");
    click("optc1");
    click("cmdok");
    flushDeletes();
    ASSERT_TRUE(m_dialog);
    expectSettings("Verifica", "opt10", "optc1");

    // A printer that fails, then prints the same sheet at the next try.
    auto& env = m_dialog->environment();
    env.printerMissing = [] { return false; };
    std::vector<std::vector<print::Statement>> sent;
    print::PrinterOutcome answer = print::PrinterOutcome::Failed;
    env.sendToPrinter = [&](const std::vector<print::Statement>& statements, const QString&) {
        sent.push_back(statements);
        return answer;
    };
    click("cmdok");
    flushDeletes();
    ASSERT_TRUE(m_dialog);
    expectSettings("Verifica", "opt10", "optc1");
    // A printer whose margins leave too few squares: said as such, not as a failure.
    answer = print::PrinterOutcome::DoesNotFit;
    click("cmdok");
    flushDeletes();
    ASSERT_TRUE(m_dialog);
    answer = print::PrinterOutcome::Printed;
    click("cmdok");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2], sent[0]);
    ASSERT_EQ(m_messages.size(), 3);
    EXPECT_EQ(m_messages[2].toStdString(),
              "Le operazioni in colonna non entrano nell'area stampabile di questa stampante: "
              "scegli quadretti più piccoli, oppure salva la scheda in PDF e stampala da lì.");
    EXPECT_EQ(m_messages[0],
              "Si è verificato un errore: non è stato possibile scrivere il file PDF\n"
              "/nonexistent-folder/scheda.pdf\n"
              "La cartella «/nonexistent-folder» non esiste.\n"
              "Controlla la cartella scelta e riprova.");
    EXPECT_TRUE(m_messages[1].contains(QStringLiteral("stampante ha segnalato un errore")));
}

TEST_F(PrintDialogTest, NoPrinterAsksBeforeSavingAPdf)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    // The real question box, answered by a timer.
    m_dialog->environment().choosePdfFile = print::PrintEnvironment::system().choosePdfFile;
    QString asked;
    whenModal<QMessageBox>([&asked](QMessageBox* box) {
        asked = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Annulla"))
                b->click();
    });
    child<QLineEdit>("txtcom")->setText("Verifica");
    click("opt10");
    click("optc1");
    // Declining saves nothing and leaves the dialog as it was.
    click("cmdok");
    flushDeletes();
    ASSERT_TRUE(m_dialog);
    expectSettings("Verifica", "opt10", "optc1");
    EXPECT_TRUE(asked.contains(QStringLiteral("PDF"))) << asked.toStdString();
    EXPECT_TRUE(m_messages.isEmpty());

    const QString proposed = print::proposedPdfPath();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"re(/scheda-\d{4}-\d{2}-\d{2}\.pdf$)re"))
                    .match(proposed)
                    .hasMatch())
        << proposed.toStdString();
    EXPECT_TRUE(proposed.contains(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
}

TEST_F(PrintDialogTest, PrintingFromThePreviewWithoutAPrinterSavesAsOkDoes)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    click("opt10");
    click("optc1");
    // The preview's print button, pressed twice: the first file cannot be written.
    bool stayedOpen = false;
    const QString pdf = m_dir.filePath(QStringLiteral("anteprima.pdf"));
    whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        const QString caption = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* action : preview->findChildren<QAction*>()) {
            if (action->text() != caption)
                continue;
            m_nextFile = QStringLiteral("/nonexistent-folder/scheda.pdf");
            action->trigger();
            stayedOpen = preview->isVisible();
            m_nextFile = pdf;
            action->trigger();
            return;
        }
        ADD_FAILURE() << "no print action in the preview";
        preview->reject();
    });
    click("cmdanteprima");
    flushDeletes();
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(m_fileRequests, 2);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains(QStringLiteral("/nonexistent-folder/scheda.pdf")));
    EXPECT_EQ(pdftext::pageCount(pdf), 1);
}

TEST_F(PrintDialogTest, PreviewedOperationsArePrintedUntilTheDialogIsShownAgain)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    click("opt10");
    click("optc1");
    // The preview's own pages go to a file, then the preview is closed without printing.
    const QString previewed = m_dir.filePath(QStringLiteral("preview.pdf"));
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(previewed);
        preview->findChild<QPrintPreviewWidget*>()->print();
        preview->reject();
    });
    click("cmdanteprima");
    ASSERT_TRUE(m_dialog);
    ASSERT_EQ(pdftext::pageCount(previewed), 1);

    const QString printed = nextPdf();
    click("cmdok");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_EQ(pdftext::pageLines(printed, 1), pdftext::pageLines(previewed, 1));

    // Shown again by a print button: the kept operations are dropped.
    open();
    click("opt10");
    click("optc1");
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    click("cmdanteprima");
    m_dialog->show();
    const QString fresh = nextPdf();
    click("cmdok");
    EXPECT_NE(pdftext::pageLines(fresh, 1), pdftext::pageLines(previewed, 1));
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(PrintDialogTest, SavePdfWritesTheJobWithItsKeyOrStaysOpen)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    click("opt10");
    click("optc2");
    child<QCheckBox>("chksol")->setChecked(true);
    child<QLineEdit>("txtcop")->setText("2");
    // A folder's name: the reason starts the sentence, capital accent and all.
    m_nextFile = m_dir.path();
    click("cmdpdf");
    ASSERT_TRUE(m_dialog);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages[0],
              "Si è verificato un errore: non è stato possibile scrivere il file PDF\n" +
                  m_dir.path() + "\nÈ una cartella.\nControlla la cartella scelta e riprova.");

    const QString pdf = nextPdf();
    click("cmdpdf");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    // Two copies, then the key.
    ASSERT_EQ(pdftext::pageCount(pdf), 3);
    EXPECT_EQ(pdftext::pageLines(pdf, 3).value(0).trimmed(), "Soluzioni");
}

TEST_F(PrintDialogTest, SavePdfInColumnFormOnFourMillimetreSquaresWithTheNameLine)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    click("opt10");
    click("optc1");
    click("optq4");
    click("chknome");
    click("chksol");
    child<QLineEdit>("txtcop")->setText("2");
    const QString pdf = nextPdf();
    click("cmdpdf");
    flushDeletes();
    EXPECT_FALSE(m_dialog);
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();

    const std::vector<pdftext::Word> words = pdftext::words(pdf);
    const int pages = pdftext::pageCount(pdf);
    ASSERT_GE(pages, 3);
    int copyPages = 0;
    for (int page = 1; page <= pages; ++page) {
        QStringList texts;
        for (const pdftext::Word& w : words)
            if (w.page == page)
                texts << w.text;
        const bool key = texts.value(0) == "Soluzioni";
        copyPages += key ? 0 : 1;
        for (const char* field : {"Nome", "Classe", "Data"})
            EXPECT_EQ(texts.contains(field), !key) << "page " << page << " " << field;
    }
    EXPECT_EQ(copyPages, pages - 1);

    // Neighbouring digits of one number stand one 4 mm square apart; digits of different
    // numbers, signs or rectangles at least two squares.
    const double square = 4 / 25.4 * 72;
    static const QRegularExpression digit(QStringLiteral("^\\d$"));
    int neighbours = 0;
    for (const pdftext::Word& a : words) {
        for (const pdftext::Word& b : words) {
            if (a.page != b.page || std::abs(a.y - b.y) > 0.5 || !digit.match(a.text).hasMatch() ||
                !digit.match(b.text).hasMatch())
                continue;
            const double gap = (b.x + b.right) / 2 - (a.x + a.right) / 2;
            if (gap <= 0 || gap > 1.5 * square)
                continue;
            ++neighbours;
            EXPECT_NEAR(gap, square, 0.5) << a.text.toStdString() << b.text.toStdString();
        }
    }
    // Two copies and the key of ten subtractions of numbers from 400 to 999.
    EXPECT_GE(neighbours, 3 * 10 * 2);
}

TEST_F(PrintDialogTest, ColumnFormTellsTheOperationsAndSheetsThatAreThenPrinted)
{
    auto source = fakeWindow("frm4op999", "999", "m");
    open();
    QLabel* told = child<QLabel>("lblfogli");
    click("optq5");
    click("chknome");
    EXPECT_EQ(told->text(), ""); // no count per column nor columns yet
    click("opt40");
    click("optc2");
    // Forty per column in two columns; 999 mixed on 5 mm squares with the name line takes
    // three sheets a copy.
    EXPECT_EQ(told->text(), "80 operazioni, 3 fogli per copia");
    // Told from a copy of the sequence: OK still draws the operations it would have drawn.
    core::RandomSequence untouched(2024);
    core::RandomSequence copy = m_random;
    EXPECT_EQ(copy.next(), untouched.next());

    click("optriga");
    EXPECT_EQ(told->text(), "");
    click("optc1");
    click("opt10");
    click("optq4");
    EXPECT_EQ(told->text(), "10 operazioni, 1 foglio per copia");
    click("opt40");
    click("optc2");
    click("optq5");
    const QString pdf = nextPdf();
    click("cmdpdf");
    flushDeletes();
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();
    EXPECT_EQ(pdftext::pageCount(pdf), 3);
}

TEST_F(PrintDialogTest, CentimetreSquaresOnlyForOperationsTheyFit)
{
    {
        // Case IV's widest division, 999,999 : 0,02 worked to the hundredths, takes 18
        // squares of the 18 that an A4 sheet's grid leaves free.
        auto source = fakeWindow("frm4caso", "4", "");
        open();
        EXPECT_TRUE(child("optq10")->isEnabled());
        delete m_dialog.data();
        flushDeletes();
    }
    auto mental = fakeWindow("frmdec999", "dec999", "x10");
    open();
    EXPECT_FALSE(child("optq10")->isEnabled());
    EXPECT_TRUE(child("optq5")->isEnabled());
    EXPECT_TRUE(child("optq4")->isEnabled());
    delete m_dialog.data();
    flushDeletes();
    mental.reset();

    // Chosen for one window, refused once another one asks: nothing is written.
    auto first = fakeWindow("frm4op999", "999", "+2");
    open();
    click("opt10");
    click("optc1");
    click("optq10");
    first.reset();
    auto second = fakeWindow("frmdec9999", "dec9999", ":10");
    const QString pdf = nextPdf();
    click("cmdpdf");
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages[0].toStdString(),
              "Le operazioni più larghe di «Divisioni per 10 - 100 - 1000» (dec9999 :10) non "
              "entrano nella larghezza di un foglio a quadretti da 1 cm: scegli quadretti più "
              "piccoli.");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(m_dialog);
}

TEST_F(PrintDialogTest, TheSheetTakesTheWindowsLevelAndItsKeySaysSo)
{
    auto source = fakeWindow("frm4op999", "999", "+2");
    fakeWindows().shown.changes = core::Changes::None;
    open();
    click("opt10");
    click("optc1");
    click("chksol");
    const QString pdf = nextPdf();
    click("cmdpdf");
    flushDeletes();
    fakeWindows().shown = {};
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();
    ASSERT_EQ(pdftext::pageCount(pdf), 2);
    EXPECT_EQ(pdftext::pageLines(pdf, 2).value(0).trimmed(), "Soluzioni (senza cambio)");
    // Ten additions without a carry: no place of the two addends adds up to 10.
    static const QRegularExpression addition(QStringLiteral(R"re((\d+) \+ (\d+) =)re"));
    int seen = 0;
    for (const QString& line : pdftext::pageLines(pdf, 1))
        for (auto it = addition.globalMatch(line); it.hasNext();) {
            const auto m = it.next();
            const QString a = m.captured(1), b = m.captured(2);
            ++seen;
            for (int k = 0; k < std::max(a.size(), b.size()); ++k) {
                const int da = k < a.size() ? a[a.size() - 1 - k].digitValue() : 0;
                const int db = k < b.size() ? b[b.size() - 1 - k].digitValue() : 0;
                EXPECT_LT(da + db, 10) << m.captured(0).toStdString();
            }
        }
    EXPECT_EQ(seen, 10);
}

TEST_F(PrintDialogTest, DifferentCopiesAreDrawnInTurnAndKeptWhenMoreAreAsked)
{
    auto source = fakeWindow("frm4op999", "999", "-");
    open();
    click("opt10");
    click("optc1");
    click("chksol");
    click("chkdiverse");
    click("optq5");
    child<QLineEdit>("txtcop")->setText("3");
    EXPECT_EQ(child<QLabel>("lblfogli")->text(), "10 operazioni, 1 foglio per copia");
    click("optriga");
    // Declined: the three copies drawn are kept for the next try, which asks for four.
    m_nextFile.clear();
    click("cmdpdf");
    child<QLineEdit>("txtcop")->setText("4");
    const QString pdf = nextPdf();
    click("cmdpdf");
    flushDeletes();
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join('\n').toStdString();
    ASSERT_EQ(pdftext::pageCount(pdf), 8);

    // Copy k holds the k-th table drawn from the dialog's sequence, which nothing else
    // (the summary included) drew from.
    core::RandomSequence sequence(2024);
    sequence.setReseedFromClock(false);
    const catalog::Choice choice{catalog::generatorsOf("999")[2], {}};
    ASSERT_EQ(choice.generator->kind, "-");
    for (int k = 1; k <= 4; ++k) {
        const print::OperationTable table = catalog::sheetOperations(choice, sequence);
        QStringList expected;
        for (int j = 1; j <= 10; ++j)
            expected << QString::fromStdString(table.line(1, j)).trimmed();
        QStringList copy = pdftext::pageLines(pdf, k);
        ASSERT_EQ(copy.size(), 13) << k; // heading, label, ten lines, foot
        EXPECT_EQ(copy.constLast().trimmed(), QStringLiteral("Copia %1 di 4").arg(k));
        copy = copy.mid(2, 10);
        for (QString& line : copy)
            line = line.trimmed();
        EXPECT_EQ(copy, expected) << k;
        EXPECT_EQ(pdftext::pageLines(pdf, 4 + k).value(0).trimmed(),
                  QStringLiteral("Soluzioni – copia %1").arg(k));
    }
}
