// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the real windows send worksheets to a private CUPS with a cups-pdf queue, and
// the printed PDF is read back.
#include "desktop/print/output.h"
#include "desktop/print/printdialog.h"
#include "support/lineparse.h"
#include "support/pdftext.h"

#include "cli/commandline.h"
#include "desktop/context.h"
#include "desktop/startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include <unistd.h>

namespace {

const QString Queue = QStringLiteral("ZelPDF");

// A cupsd of our own: configuration, socket, spool and logs in a temporary folder, reached
// through CUPS_SERVER, so that a CUPS the machine already runs is never touched.
class PrivateCups {
public:
    ~PrivateCups()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            m_cupsd.waitForFinished(10000);
        }
    }

    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        const QString t = m_dir.path();
        QFile::setPermissions(t, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                     QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
        for (const char* sub : {"spool", "cache", "state", "log"})
            QDir(t).mkpath(QString::fromLatin1(sub));
        write(t + "/cupsd.conf", QStringLiteral("Listen %1/cups.sock\nLogLevel warn\n"
                                                "WebInterface No\nBrowsing No\n"
                                                "<Location />\n  Order allow,deny\n  Allow all\n"
                                                "</Location>\n<Location /admin>\n"
                                                "  Order allow,deny\n  Allow all\n</Location>\n"
                                                "<Policy default>\n  <Limit All>\n"
                                                "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                     .arg(t));
        write(t + "/cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                             "StateDir %1/state\nTempDir %1/spool\nErrorLog %1/log/error_log\n"
                             "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nGroup lp\n"
                             "SystemGroup lpadmin root\n")
                  .arg(t));
        qputenv("CUPS_SERVER", (t + "/cups.sock").toLocal8Bit());
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                      {"-f", "-c", t + "/cupsd.conf", "-s", t + "/cups-files.conf"});
        if (!m_cupsd.waitForStarted(5000))
            return QStringLiteral("cupsd did not start");
        QElapsedTimer clock;
        clock.start();
        while (!run("lpstat", {"-r"}).contains(QStringLiteral("scheduler is running"))) {
            if (clock.elapsed() > 10000 || m_cupsd.state() == QProcess::NotRunning)
                return QStringLiteral("cupsd did not come up: ") + m_cupsd.readAllStandardError();
            QThread::msleep(50);
        }
        run("lpadmin", {"-p", Queue, "-E", "-v", "cups-pdf:/", "-P",
                        "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "-o",
                        "pdftops-renderer-default=pdftocairo"});
        run("lpadmin", {"-d", Queue});
        if (QPrinterInfo::defaultPrinter().printerName() != Queue)
            return QStringLiteral("the private queue is not the default printer");
        return {};
    }

private:
    static void write(const QString& path, const QString& text)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
    }

    static QString run(const char* program, const QStringList& arguments)
    {
        QProcess process;
        process.start(QString::fromLatin1(program), arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
};

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && !w->isHidden())
            return w;
    return nullptr;
}

void press(QWidget* window, const char* button)
{
    ASSERT_NE(window, nullptr);
    auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isEnabled()) << button;
    b->click();
}

// The cups-pdf output of the job with this document name, once it is complete.
QString waitForPdf(const QString& documentName)
{
    const QDir folder(QDir::homePath() + QStringLiteral("/PDF"));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const auto found = folder.entryList({documentName + QStringLiteral("*.pdf")}, QDir::Files);
        if (!found.isEmpty()) {
            const QString path = folder.filePath(found.first());
            // cups-pdf writes the file in one go after the job ends; wait until it reads.
            if (pdftext::pageCount(path) > 0)
                return path;
        }
        QTest::qWait(200);
    }
    return {};
}

class CupsPrint : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (geteuid() != 0)
            return;
        s_cups = new PrivateCups;
        s_failure = s_cups->start();
        app::start();
    }

    static void TearDownTestSuite()
    {
        // cups-pdf writes into the user's own PDF folder: leave nothing of ours there.
        for (const QString& path : std::as_const(s_outputs))
            QFile::remove(path);
        // The windows go while the application still runs, not from its destructor.
        delete qApp->findChild<app::Context*>();
        delete s_cups;
        s_cups = nullptr;
    }

    void SetUp() override
    {
        if (geteuid() != 0) {
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                FAIL() << "the end-to-end print test must run as root in CI (it starts cupsd)";
            GTEST_SKIP() << "not root: a private cupsd with a cups-pdf queue cannot be started";
        }
        ASSERT_TRUE(s_failure.isEmpty()) << s_failure.toStdString();
    }

    // A press of a button in a shown window.
    struct Step {
        const char* window;
        const char* button;
    };

    // From the main menu along `route` to the source window, its generator and printer
    // button, then the options and OK; `beforeOk` may still change the source window.
    // Returns to the main menu along `back` and hands back the printed PDF.
    QString print(const std::vector<Step>& route, const char* window, const char* generator,
                  const std::vector<Step>& back, const char* count, const char* columns,
                  const QString& copies, const std::function<void(QWidget*)>& beforeOk = {})
    {
        const QString name = QStringLiteral("zelmorio_e2e_%1_%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(++s_jobs);
        for (const Step& step : route)
            press(topLevel(step.window), step.button);
        QWidget* source = topLevel(window);
        press(source, generator);
        press(source, "cmdstampa");
        auto* dialog = qobject_cast<print::PrintDialog*>(topLevel("frmstampa"));
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return {};
        dialog->environment().documentName = name;
        dialog->environment().tell = [](QWidget*, const QString& text) {
            ADD_FAILURE() << text.toStdString();
        };
        press(dialog, count);
        press(dialog, columns);
        dialog->findChild<QLineEdit*>(QStringLiteral("txtcop"))->setText(copies);
        if (beforeOk)
            beforeOk(source);
        press(dialog, m_exit);
        QCoreApplication::processEvents();
        EXPECT_EQ(topLevel("frmstampa"), nullptr);
        for (const Step& step : back) {
            press(topLevel(step.window), step.button);
            QCoreApplication::processEvents();
        }
        EXPECT_NE(topLevel("frminizio"), nullptr);
        const QString pdf = waitForPdf(name);
        s_outputs << pdf;
        return pdf;
    }

    // The integer windows open from the main menu and return to it with their back button.
    QString printFrom(const char* rangeButton, const char* window, const char* generator,
                      const char* count, const char* columns, const QString& copies)
    {
        return print({{"frminizio", rangeButton}}, window, generator, {{window, "cmdfine"}}, count,
                     columns, copies);
    }

    // The button that ends the options: OK unless a test goes another way.
    const char* m_exit = "cmdok";

    static PrivateCups* s_cups;
    static QString s_failure;
    static int s_jobs;
    static QStringList s_outputs;
};

PrivateCups* CupsPrint::s_cups = nullptr;
QString CupsPrint::s_failure;
int CupsPrint::s_jobs = 0;
QStringList CupsPrint::s_outputs;

// Operations on a printed line: operands joined by one operator word, closed by "=".
int operationsOn(const QString& line, const QString& op)
{
    const QRegularExpression pattern(
        QStringLiteral(R"re(\d[\d.]*(?: %1 \d[\d.]*)+ =)re").arg(QRegularExpression::escape(op)));
    int count = 0;
    for (auto it = pattern.globalMatch(line); it.hasNext(); it.next())
        ++count;
    return count;
}

struct Sheet {
    QString heading;
    QStringList labels;
    QStringList body;
};

Sheet readSheet(const QStringList& lines)
{
    Sheet sheet;
    sheet.heading = lines.value(0).trimmed();
    for (const QString& line : lines.mid(1)) {
        if (line.trimmed().endsWith(')'))
            sheet.labels << line.simplified();
        else
            sheet.body << line;
    }
    return sheet;
}

} // namespace

TEST_F(CupsPrint, WorksheetsOfEveryIntegerWindowReachThePrinter)
{
    struct Case {
        const char* rangeButton;
        const char* window;
        const char* generator;
        const char* op;
    };
    const Case cases[] = {
        {"cmd500", "frm4op500", "cmdad2", "+"},       {"cmd999", "frm4op999", "cmdsot", "-"},
        {"cmd9999", "frm4op9999", "cmdmolt", "x"},    {"cmd99999", "frm4op99999", "cmddiv1", ":"},
        {"cmd999999", "frm4op999999", "cmdad3", "+"},
    };
    for (const Case& c : cases) {
        const QString pdf = printFrom(c.rangeButton, c.window, c.generator, "opt20", "optc2", "1");
        ASSERT_FALSE(pdf.isEmpty()) << c.window << ": nothing came out of the printer";
        ASSERT_EQ(pdftext::pageCount(pdf), 1) << c.window;
        const Sheet sheet = readSheet(pdftext::pageLines(pdf, 1));
        EXPECT_EQ(sheet.heading, "Calcola le seguenti operazioni:") << c.window;
        EXPECT_EQ(sheet.labels, (QStringList{"1) 2)", "3) 4)"})) << c.window;
        ASSERT_EQ(sheet.body.size(), 20) << c.window;
        for (const QString& line : sheet.body)
            EXPECT_EQ(operationsOn(line, QString::fromLatin1(c.op)), 2)
                << c.window << ": " << line.toStdString();

        // The second label of a pair sits two print zones (of 14 average widths of Arial
        // 15, Liberation Sans: 0.580 em) from the left margin of the printer's page.
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const double margin = printer.pageLayout().paintRect(QPageLayout::Point).left();
        const auto words = pdftext::words(pdf);
        int secondLabels = 0;
        for (const pdftext::Word& w : words) {
            if (w.text == "2)" || w.text == "4)") {
                ++secondLabels;
                EXPECT_NEAR(w.x, margin + 2 * 14 * 0.580 * 15, 1.5) << c.window;
            }
        }
        EXPECT_EQ(secondLabels, 2) << c.window;
    }
}

TEST_F(CupsPrint, EachCopyOnItsOwnSheetWithTheSameOperations)
{
    const QString pdf = printFrom("cmd999", "frm4op999", "cmdsot", "opt10", "optc1", "3");
    ASSERT_FALSE(pdf.isEmpty());
    ASSERT_EQ(pdftext::pageCount(pdf), 3);
    const QStringList first = pdftext::pageLines(pdf, 1);
    const Sheet sheet = readSheet(first);
    EXPECT_EQ(sheet.labels, QStringList{"1)"});
    EXPECT_EQ(sheet.body.size(), 10);
    EXPECT_EQ(pdftext::pageLines(pdf, 2), first);
    EXPECT_EQ(pdftext::pageLines(pdf, 3), first);
}

TEST_F(CupsPrint, DecimalWorksheetWithTheGroupedPowerOfTen)
{
    const QString pdf = print({{"frminizio", "cmddec"}, {"frmscelta", "cmd999"}}, "frmdec999",
                              "cmdmolt10", {{"frmdec999", "cmdesci"}}, "opt40", "optc2", "1");
    ASSERT_FALSE(pdf.isEmpty());
    QStringList body;
    for (int page = 1; page <= pdftext::pageCount(pdf); ++page)
        body << readSheet(pdftext::pageLines(pdf, page)).body;
    ASSERT_EQ(body.size(), 40);
    static const QRegularExpression op(QStringLiteral(R"re(([\d.,]+) x (10|100|1\.000) =)re"));
    int operations = 0;
    for (const QString& line : std::as_const(body))
        for (auto it = op.globalMatch(line); it.hasNext(); it.next())
            ++operations;
    EXPECT_EQ(operations, 80);
}

TEST_F(CupsPrint, CaseWorksheetFollowsTheDivisorChoiceAtOk)
{
    static const QRegularExpression op(QStringLiteral(R"re([\d,]+ : (\d+) =)re"));
    const std::vector<Step> back{{"frm1caso", "cmdfine"}, {"frminizio2", "cmdfine"}};
    struct Case {
        const char* shownWhenMade;
        const char* shownAtOk;
        int digits;
    };
    // The window's own lines are made with one choice, switched before OK.
    for (const Case c : {Case{"opt2", "opt1", 1}, Case{"opt1", "opt2", 2}}) {
        const std::vector<Step> route{{"frminizio", "cmddec"},
                                      {"frmscelta", "cmdpercorso"},
                                      {"frminizio2", "cmd1"},
                                      {"frm1caso", c.shownWhenMade}};
        const QString pdf = print(route, "frm1caso", "cmdfendra", back, "opt10", "optc2", "1",
                                  [&c](QWidget* source) { press(source, c.shownAtOk); });
        ASSERT_FALSE(pdf.isEmpty());
        const Sheet sheet = readSheet(pdftext::pageLines(pdf, 1));
        ASSERT_EQ(sheet.body.size(), 10);
        int operations = 0;
        for (const QString& line : sheet.body) {
            for (auto it = op.globalMatch(line); it.hasNext();) {
                ++operations;
                EXPECT_EQ(it.next().captured(1).size(), c.digits) << line.toStdString();
            }
        }
        EXPECT_EQ(operations, 20);
    }
}

// Calls `act` once a modal dialog of type T is up (inside its own event loop).
template <typename T> void whenModal(const std::function<void(T*)>& act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            act(dialog);
        }
    });
    timer->start(20);
}

TEST_F(CupsPrint, KeySheetComesOnceAfterTheCopiesAndPreviewPrintsOnce)
{
    // Two copies with the key, printed from the preview: the key is the third sheet, once,
    // its lines the copies' own; the system dialog's copy count does not repeat the job.
    m_exit = "cmdanteprima";
    const QString previewed =
        print({{"frminizio", "cmd999"}}, "frm4op999", "cmdsot", {{"frm4op999", "cmdfine"}}, "opt10",
              "optc1", "2", [](QWidget*) {
                  topLevel("frmstampa")->findChild<QCheckBox*>("chksol")->setChecked(true);
                  // The preview's print button, then the system's print dialog, accepted as shown.
                  whenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) {
                      whenModal<QPrintDialog>([](QPrintDialog* system) { system->accept(); });
                      const QString print =
                          QCoreApplication::translate("QPrintPreviewDialog", "Print");
                      for (QAction* action : preview->findChildren<QAction*>())
                          if (action->text() == print) {
                              action->trigger();
                              return;
                          }
                      ADD_FAILURE() << "no print action in the preview";
                      preview->reject();
                  });
              });
    m_exit = "cmdok";
    ASSERT_FALSE(previewed.isEmpty());
    ASSERT_EQ(pdftext::pageCount(previewed), 3);
    const QStringList sheet = pdftext::pageLines(previewed, 1);
    EXPECT_EQ(pdftext::pageLines(previewed, 2), sheet);
    const QStringList key = pdftext::pageLines(previewed, 3);
    ASSERT_EQ(key.size(), sheet.size());
    EXPECT_EQ(key[0].trimmed(), "Soluzioni");
    static const QRegularExpression difference(QStringLiteral(R"re((\d+) - (\d+) = (\d+))re"));
    for (int i = 2; i < sheet.size(); ++i) {
        const auto m = difference.match(key[i]);
        ASSERT_TRUE(m.hasMatch()) << key[i].toStdString();
        EXPECT_EQ(sheet[i].simplified(), m.captured(1) + " - " + m.captured(2) + " =");
        EXPECT_EQ(m.captured(1).toInt() - m.captured(2).toInt(), m.captured(3).toInt());
    }
}

TEST_F(CupsPrint, CommandLineSendsItsSheetToTheNamedQueue)
{
    // The command line names its job as the dialog does; cups-pdf files it under that title.
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    std::ostringstream out, err;
    const int status = app::runCommand({"zelmorio", "--scheda", "500", "x", "--per-colonna", "10",
                                        "--seme", "3", "--stampa", "--stampante", Queue},
                                       out, err);
    ASSERT_EQ(status, 0) << err.str();
    QString pdf;
    const QDir folder(QDir::homePath() + QStringLiteral("/PDF"));
    QElapsedTimer clock;
    clock.start();
    while (pdf.isEmpty() && clock.elapsed() < 60000) {
        for (const QFileInfo& f : folder.entryInfoList({"Zelmorio*scheda*.pdf"}, QDir::Files))
            if (f.lastModified() >= started && pdftext::pageCount(f.filePath()) > 0)
                pdf = f.filePath();
        QTest::qWait(200);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "nothing came out of the printer";
    s_outputs << pdf;
    const Sheet sheet = readSheet(pdftext::pageLines(pdf, 1));
    EXPECT_EQ(sheet.heading, "Calcola le seguenti operazioni:");
    EXPECT_EQ(sheet.labels, QStringList{"1) 2)"});
    ASSERT_EQ(sheet.body.size(), 10);
    for (const QString& line : sheet.body)
        EXPECT_EQ(operationsOn(line, QStringLiteral("x")), 2) << line.toStdString();
}

TEST_F(CupsPrint, AnOperationWiderThanThePrintersAreaIsRefusedBeforeAnythingIsSent)
{
    // The queue's own printable width, which its margins may make narrower than the PDF's.
    QPrinter printer(QPrinterInfo::printerInfo(Queue), QPrinter::HighResolution);
    const double width = printer.pageLayout().paintRect(QPageLayout::Millimeter).width();
    ASSERT_GT(width, 150);
    RecordProperty("printable_width_mm", std::to_string(width));
    const struct {
        const char* range;
        const char* line;
        int squares; // worked out by hand from the digits and the signs' squares
    } rows[] = {
        {"4", "999,999 : 0,02 =", 6 + 2 + 2 + 8},
        {"dec9999", "10.027,551 : 1.000 =", 8 + 1 + 2 + 4 + 1 + 2 + 8},
    };
    for (const auto& row : rows) {
        print::OperationTable table;
        testsupport::put(table, 1, 1, row.line);
        print::JobOptions options{
            {1, print::Columns::One, false}, "Calcola:", 1, false, core::windowOfRange(row.range)};
        options.form = print::SheetForm::Squares10;
        const QString name = QStringLiteral("zelmorio_wide_%1_%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(++s_jobs);
        // 1 cm squares across the width, less the free one at each side.
        const bool fits = static_cast<int>(width / 10) - 2 >= row.squares;
        const print::PrinterOutcome outcome =
            print::printToPrinter(print::layOutJob(table, options), Queue, name);
        EXPECT_EQ(outcome,
                  fits ? print::PrinterOutcome::Printed : print::PrinterOutcome::DoesNotFit)
            << row.line << " on " << width << " mm";
        if (outcome == print::PrinterOutcome::Printed)
            s_outputs << waitForPdf(name);
    }
}
