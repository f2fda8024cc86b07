// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what it accepts and refuses, its lines read back with the rule checks,
// its seeds, and its worksheets read back from the PDF it writes.
#include "cli/commandline.h"
#include "conformance/decimalcheck.h"
#include "desktop/windows/ui.h"
#include "support/linecheck.h"
#include "support/pdftext.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome run(const QStringList& arguments)
{
    std::ostringstream out, err;
    Outcome r;
    r.status = app::runCommand(QStringList{QStringLiteral("zelmorio")} + arguments, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

QStringList split(const char* arguments)
{
    return QString::fromUtf8(arguments).split(' ', Qt::SkipEmptyParts);
}

class CommandLine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { widgets::installFontSubstitutions(); }
};

} // namespace

TEST_F(CommandLine, AcceptsWhatItKnowsAndRefusesTheRestWithItsExitStatus)
{
    const struct {
        const char* arguments;
        int status;
        const char* message; // a part of the message on standard error
    } rows[] = {
        {"--righe 500 +2 --seme 1", 0, ""},
        {"--righe 3 --divisore misto --seme 1", 0, ""},
        {"--righe 999999 x3 --seme=18446744073709551615", 0, ""},
        {"-style fusion --righe 999 - --seme 1 -platform xcb", 0, ""}, // Qt's arguments, left out
        {"--scheda 9999 - --intestazione -reverse --seme 1 --stampa --stampante Nessuna", 1,
         "--pdf"}, // the heading "-reverse" stays
        {"--elenco", 0, ""},
        {"--help", 0, ""},
        {"--version", 0, ""},
        {"--seme 3", 2, "--righe, --scheda o --elenco"},
        {"--righe --elenco", 2, "non vanno insieme"},
        {"--righe", 2, "manca l'intervallo"},
        {"--righe 12 +2", 2, "500, 999, 9999, 99999, 999999, dec999, dec9999, 1, 2, 3, 4, 5."},
        {"--righe 999 x3", 2, "Tipi validi: +2, +3, -, x1, x2, :, :2, m."},
        {"--righe dec999", 2, "Tipi validi: +, -, x, x10, :10."},
        {"--righe 3 x", 2, "non ha tipi"},
        {"--righe 999 - -", 2, "troppi argomenti"},
        {"--righe 3 --divisore 3", 2, "--divisore vuole 1, 2 o misto"},
        {"--righe 999 - --divisore 1", 2, "solo per i casi"},
        {"--righe 999 - --seme -4", 2, "--seme vuole un numero intero"},
        {"--righe 999 - --seme 18446744073709551616", 2, "--seme vuole"},
        {"--righe 999 - --copie 2", 2, "--copie non vale con --righe"},
        {"--elenco 999", 2, "non vuole altri argomenti"},
        {"--righe 999 - --colore", 2, "colore"},
        {"--scheda 999 -", 2, "--pdf FILE o --stampa"},
        {"--scheda 999 - --pdf a.pdf --stampa", 2, "non vanno insieme"},
        {"--scheda 999 - --pdf a.pdf --stampante P", 2, "--stampante vale solo con --stampa"},
        {"--scheda 999 - --per-colonna 25 --pdf a.pdf", 2, "10, 20, 30 o 40"},
        {"--scheda 999 - --colonne 3 --pdf a.pdf", 2, "1 o 2"},
        {"--scheda 999 - --copie 0 --pdf a.pdf", 2, "da 1 a 99"},
        {"--scheda 999 - --copie 100 --pdf a.pdf", 2, "da 1 a 99"},
        {"--scheda 999 - --copie 0.5 --pdf a.pdf", 2, "da 1 a 99"},
        {"--scheda 999 - --copie tre --pdf a.pdf", 2, "da 1 a 99"},
        {"--scheda 999 - --seme 1 --stampa --stampante Nessuna", 1, "--pdf"},
        {"--scheda 999 - --in-colonna 6 --pdf a.pdf", 2, "in millimetri, 5, 4 o 10"},
        {"--scheda 999 - --pdf a.pdf --in-colonna", 2, "in-colonna"},
        {"--righe 999 - --in-colonna 5", 2, "--in-colonna non vale con --righe"},
        {"--righe 999 +2 --cambi zero", 2,
         "zelmorio: --cambi zero non vale per «Addizioni a 2 addendi» (999 +2). Valori validi: 0, "
         "1, 2+.\n"},
        {"--righe dec999 x10 --cambi 0", 2, "(dec999 x10), che non ha livelli di difficoltà."},
        {"--righe 3 --cambi 0", 2, "(3): i suoi livelli sono --resto no|si."},
        {"--righe 999999 +3 --cambi 0", 2, "sono troppo rare (circa 6 su 10.000)"},
        {"--righe 999 : --resto forse", 2, "--resto vuole no o si, non «forse»."},
        {"--elenco --cambi 0", 2, "--cambi non vale con --elenco"},
        {"--scheda dec999 x10 --in-colonna 10 --pdf a.pdf", 2,
         "zelmorio: le operazioni più larghe di «Moltiplicazioni per 10 - 100 - 1.000» (dec999 "
         "x10) non entrano nella larghezza di un foglio a quadretti da 1 cm: scegli quadretti più "
         "piccoli.\n"},
        {"--elenco --nome", 2, "--nome non vale con --elenco"},
        // An option written without its value takes the next option for it.
        {"--scheda 999 +2 --in-colonna --pdf a3.pdf", 2,
         "zelmorio: --in-colonna vuole la misura dei quadretti in millimetri, 5, 4 o 10, non "
         "«--pdf».\n"},
        {"--righe 999 - --seme --divisore 1", 2,
         "--seme vuole un numero intero da 0 a 18446744073709551615, non «--divisore»."},
        {"--righe 3 --divisore --seme 1", 2, "--divisore vuole 1, 2 o misto, non «--seme»."},
        {"--scheda 999 - --per-colonna --colonne 1 --pdf a.pdf", 2,
         "--per-colonna vuole 10, 20, 30 o 40, non «--colonne»."},
        {"--scheda 999 - --colonne --per-colonna=10 --pdf a.pdf", 2,
         "--colonne vuole 1 o 2, non «--per-colonna=10»."},
        {"--scheda 999 - --copie --soluzioni --pdf a.pdf", 2,
         "--copie vuole un numero intero da 1 a 99, non «--soluzioni»."},
        {"--scheda 999 - --intestazione --nome --pdf a.pdf", 2,
         "--intestazione vuole il testo dell'intestazione, non l'opzione «--nome». Un valore che "
         "comincia con «-» va scritto dopo «=»: --intestazione=VALORE."},
        {"--scheda 999 - --pdf --stampa", 2,
         "--pdf vuole il nome del file, non l'opzione «--stampa»."},
        {"--scheda 999 - --stampa --stampante -h", 2,
         "--stampante vuole il nome della stampante, non l'opzione «-h»."},
        // After '=' a value may look like an option; before "--" it is an argument.
        {"--scheda 999 - --intestazione=--nome --seme 1 --stampa --stampante Nessuna", 1, "--pdf"},
        {"--righe 999 - --seme 1 -- --pdf --elenco", 2, "troppi argomenti: --pdf --elenco."},
    };
    for (const auto& row : rows) {
        const Outcome r = run(split(row.arguments));
        EXPECT_EQ(r.status, row.status) << row.arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << row.arguments << "\n" << r.err;
        if (row.status == 2) {
            EXPECT_TRUE(r.out.empty()) << row.arguments;
        }
    }
    const std::string help = run({"--help"}).out;
    for (const char* option : {"--scheda", "--in-colonna <5|4|10>", "--nome", "--copie-diverse"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST_F(CommandLine, ListsEveryGeneratorWithTheLabelBesideItsButton)
{
    const std::vector<std::string> lines = linesOf(run({"--elenco"}).out);
    // A heading, 7 + 8 + 8 + 9 + 9 integer, 5 + 5 decimal and 5 case generators.
    ASSERT_EQ(lines.size(), 1u + 41 + 10 + 5);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("500         :2    Divisioni 2 cifre al dividendo"));
    EXPECT_TRUE(has("99999       +2    Addizioni con 2 addendi"));
    EXPECT_TRUE(has("999999      x3    Moltiplicazioni 3 cifre al moltiplicatore"));
    EXPECT_TRUE(has("dec9999     x10   Moltiplicazioni per 10 - 100 - 1.000"));
    EXPECT_TRUE(has("2                 II caso: dividendo decimale e minore del divisore, "
                    "divisore intero"));

    // Every pair listed makes its ten lines.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        QStringList arguments{"--righe", QString::fromStdString(lines[i].substr(0, 12)).trimmed()};
        const QString kind = QString::fromStdString(lines[i].substr(12, 6)).trimmed();
        if (!kind.isEmpty())
            arguments << kind;
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 0) << lines[i] << "\n" << r.err;
        EXPECT_EQ(linesOf(r.out).size(), 10u) << lines[i];
    }
}

TEST_F(CommandLine, TenLinesOfEachFamilyKeepTheirRules)
{
    const Outcome integer = run({"--righe", "9999", "x1"});
    ASSERT_EQ(integer.status, 0) << integer.err;
    const expected::Generator* g = expected::find("9999", "x1");
    ASSERT_NE(g, nullptr);
    std::vector<std::string> lines = linesOf(integer.out);
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines) {
        std::string why;
        EXPECT_TRUE(expected::readLine(*g, line, " = ", &why)) << line << ": " << why;
    }

    const Outcome decimal = run({"--righe", "dec9999", "x"});
    lines = linesOf(decimal.out);
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines)
        EXPECT_EQ(conformance::checkDecimalLine("dec9999", "x", line, " = "), "") << line;

    const Outcome cases = run({"--righe", "4", "--divisore", "2"});
    lines = linesOf(cases.out);
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines)
        EXPECT_EQ(conformance::checkCaseLine(4, cases::DivisorChoice::TwoDigits, line, " = "), "")
            << line;
}

TEST_F(CommandLine, TheSeedMakesTheSameLinesAgainAndADrawnOneIsTold)
{
    const Outcome first = run({"--righe", "999999", "m", "--seme", "42"});
    const Outcome again = run({"--righe", "999999", "m", "--seme", "42"});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.out, again.out);
    EXPECT_TRUE(first.err.empty()) << first.err;

    const Outcome drawn = run({"--righe", "999999", "m"});
    const Outcome other = run({"--righe", "999999", "m"});
    EXPECT_NE(drawn.out, other.out);
    static const QRegularExpression told(QStringLiteral("^seme: (\\d+)\n$"));
    const auto match = told.match(QString::fromStdString(drawn.err));
    ASSERT_TRUE(match.hasMatch()) << drawn.err;
    EXPECT_EQ(run({"--righe", "999999", "m", "--seme", match.captured(1)}).out, drawn.out);
}

namespace {

// Runs the built program (or another one, such as a wrapper that starts it) to its end;
// status -1 when it crashed or did not end.
Outcome runProgram(const QStringList& arguments, const QProcessEnvironment& env,
                   const QString& outFile = {},
                   const QString& executable = QStringLiteral(ZELMORIO_PROGRAM))
{
    QProcess program;
    program.setProcessEnvironment(env);
    if (!outFile.isEmpty())
        program.setStandardOutputFile(outFile);
    program.start(executable, arguments);
    Outcome r;
    if (program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit)
        r.status = program.exitCode();
    r.out = program.readAllStandardOutput().toStdString();
    r.err = program.readAllStandardError().toStdString();
    return r;
}

} // namespace

TEST_F(CommandLine, RunsWithoutADisplayOrWithAStaleOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment none = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        none.remove(QString::fromLatin1(name));
    QProcessEnvironment stale = none;
    stale.insert(QStringLiteral("DISPLAY"), QStringLiteral(":64999")); // no server there
    for (const QProcessEnvironment& env : {none, stale}) {
        const QString pdf =
            dir.filePath(env.contains(QStringLiteral("DISPLAY")) ? "a.pdf" : "b.pdf");
        const Outcome sheet = runProgram({"--scheda", "999", "-", "--pdf", pdf}, env);
        EXPECT_EQ(sheet.status, 0) << sheet.err;
        EXPECT_EQ(pdftext::pageCount(pdf), 1);
        // The windows cannot open: an Italian message that names the way without them.
        const Outcome windows = runProgram({}, env);
        EXPECT_EQ(windows.status, 2) << windows.err;
        EXPECT_NE(windows.err.find("serve una sessione grafica"), std::string::npos) << windows.err;
        EXPECT_NE(windows.err.find("zelmorio --help"), std::string::npos);
    }
    // The release number main() hands to the application.
    EXPECT_EQ(runProgram({"--version"}, none).out, "zelmorio 1.0.0\n");
}

TEST_F(CommandLine, OutputThatCannotBeWrittenIsAFailure)
{
    for (const char* arguments : {"--righe 999 - --seme 1", "--elenco"}) {
        const Outcome r =
            runProgram(split(arguments), QProcessEnvironment::systemEnvironment(), "/dev/full");
        EXPECT_EQ(r.status, 1) << arguments;
        EXPECT_NE(r.err.find("non posso scrivere sullo standard output"), std::string::npos);
    }
}

TEST_F(CommandLine, QtsArgumentsAloneOpenTheMainMenu)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The minimal platform saves each window it paints as outputNNNN.png in the working
    // folder; the first is the main menu: 11055 × 5655 twips, back colour #FFC0C0.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_DEBUG_BACKINGSTORE"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(ZELMORIO_PROGRAM),
                  {"-platform", "minimal", "-session", "1234_5678", "-style", "fusion"});
    QImage menu;
    for (int i = 0; i < 600 && menu.isNull() && !program.waitForFinished(100); ++i)
        menu.load(dir.filePath(QStringLiteral("output0000.png"))); // null until written
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(menu.size(), QSize(737, 377)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(menu.pixelColor(4, 4), QColor(0xFF, 0xC0, 0xC0));

    // Offscreen nothing shows outside the program: its windows keep it running, where a
    // command line would have ended at once.
    program.start(QStringLiteral(ZELMORIO_PROGRAM), {"-platform", "offscreen"});
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

namespace {

// A printed sheet as read back: the heading, the group labels and the exercise lines.
struct Sheet {
    QString heading;
    QStringList labels;
    QStringList body;
};

Sheet readSheet(const QString& pdf, int firstPage, int lastPage)
{
    Sheet sheet;
    for (int page = firstPage; page <= lastPage; ++page) {
        const QStringList lines = pdftext::pageLines(pdf, page);
        if (page == firstPage)
            sheet.heading = lines.value(0).trimmed();
        for (const QString& line : lines.mid(page == firstPage ? 1 : 0)) {
            if (line.trimmed().endsWith(')'))
                sheet.labels << line.simplified();
            else if (!line.trimmed().isEmpty())
                sheet.body << line;
        }
    }
    return sheet;
}

int matches(const QStringList& lines, const QRegularExpression& pattern)
{
    int count = 0;
    for (const QString& line : lines)
        for (auto it = pattern.globalMatch(line); it.hasNext(); it.next())
            ++count;
    return count;
}

} // namespace

TEST_F(CommandLine, WorksheetsWrittenToPdfReadBackWithTheirKey)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // Two copies and the key: the key is the third sheet, its lines the copies' own.
    const QString integer = dir.filePath(QStringLiteral("sottrazioni.pdf"));
    Outcome r = run(
        {"--scheda", "999", "-", "--copie", "2", "--soluzioni", "--seme", "11", "--pdf", integer});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(pdftext::pageCount(integer), 3);
    EXPECT_EQ(pdftext::pageLines(integer, 2), pdftext::pageLines(integer, 1));
    Sheet sheet = readSheet(integer, 1, 1);
    EXPECT_EQ(sheet.heading, "Calcola le seguenti operazioni:");
    EXPECT_EQ(sheet.labels, (QStringList{"1) 2)", "3) 4)"}));
    EXPECT_EQ(sheet.body.size(), 20);
    EXPECT_EQ(matches(sheet.body, QRegularExpression(QStringLiteral(R"(\d+ - \d+ =)"))), 40);
    Sheet key = readSheet(integer, 3, 3);
    EXPECT_EQ(key.heading, "Soluzioni");
    EXPECT_EQ(key.labels, sheet.labels);
    static const QRegularExpression difference(QStringLiteral(R"((\d+) - (\d+) = (\d+))"));
    int differences = 0;
    for (const QString& line : std::as_const(key.body)) {
        for (auto it = difference.globalMatch(line); it.hasNext(); ++differences) {
            const auto m = it.next();
            EXPECT_EQ(m.captured(1).toInt() - m.captured(2).toInt(), m.captured(3).toInt())
                << line.toStdString();
            EXPECT_TRUE(line.contains(m.captured(1) + " - " + m.captured(2)));
        }
    }
    EXPECT_EQ(differences, 40);

    const QString decimal = dir.filePath(QStringLiteral("decimali.pdf"));
    r = run({"--scheda", "dec999", "x10", "--per-colonna", "40", "--colonne", "1", "--intestazione",
             "Compiti di lunedì", "--soluzioni", "--pdf", decimal});
    ASSERT_EQ(r.status, 0) << r.err;
    const int pages = pdftext::pageCount(decimal);
    std::vector<pdftext::Word> words = pdftext::words(decimal);
    int keyPage = 0;
    for (const pdftext::Word& w : words)
        if (w.text == "Soluzioni")
            keyPage = w.page;
    ASSERT_GT(keyPage, 1);
    sheet = readSheet(decimal, 1, keyPage - 1);
    EXPECT_EQ(sheet.heading, "Compiti di lunedì");
    EXPECT_EQ(sheet.labels, (QStringList{"1)", "2)", "3)", "4)"}));
    EXPECT_EQ(sheet.body.size(), 40);
    EXPECT_EQ(
        matches(sheet.body, QRegularExpression(QStringLiteral(R"([\d,]+ x (10|100|1\.000) =)"))),
        40);
    key = readSheet(decimal, keyPage, pages);
    EXPECT_EQ(matches(key.body,
                      QRegularExpression(QStringLiteral(R"([\d,]+ x (10|100|1\.000) = [\d.,]+)"))),
              40);

    const QString cases = dir.filePath(QStringLiteral("casi.pdf"));
    r = run(
        {"--scheda", "2", "--divisore", "2", "--per-colonna", "10", "--soluzioni", "--pdf", cases});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(pdftext::pageCount(cases), 2);
    sheet = readSheet(cases, 1, 1);
    EXPECT_EQ(sheet.labels, QStringList{"1) 2)"});
    EXPECT_EQ(matches(sheet.body, QRegularExpression(QStringLiteral(R"(\d+,\d+ : \d\d =)"))), 20);
    key = readSheet(cases, 2, 2);
    EXPECT_EQ(key.heading, "Soluzioni");
    EXPECT_EQ(matches(key.body, QRegularExpression(QStringLiteral(R"(\d+,\d+ : \d\d = 0,\d+)"))),
              20);
}

namespace {

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::string notWritten(const QString& path, const std::string& reason)
{
    return "zelmorio: non posso scrivere il file «" + path.toStdString() + "»: " + reason +
           ". Non ho lasciato nessun file.\n";
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

TEST_F(CommandLine, APdfThatCannotBeWrittenSaysWhyAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = dir.path();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("coda")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("altrove/scheda.pdf"), dir.filePath("rotto.pdf")));
    ASSERT_TRUE(QFile::link(QStringLiteral("giro2.pdf"), dir.filePath("giro1.pdf")));
    ASSERT_TRUE(QFile::link(QStringLiteral("giro1.pdf"), dir.filePath("giro2.pdf")));
    const QStringList before = entriesOf(d);
    const QString longName = d + "/" + QString(256, QLatin1Char('s')) + ".pdf";
    const struct {
        QString path;
        std::string reason;
    } rows[] = {
        {d, "è una cartella"},
        {d + "/manca/scheda.pdf", "la cartella «" + d.toStdString() + "/manca» non esiste"},
        {d + "/rotto.pdf", "è un collegamento simbolico a «" + d.toStdString() +
                               "/altrove/scheda.pdf», ma la cartella «" + d.toStdString() +
                               "/altrove» non esiste"},
        {longName, "il nome del file è troppo lungo"},
        {d + "/giro1.pdf",
         "i collegamenti simbolici rimandano l'uno all'altro senza arrivare a un file"},
        {d + "/coda", "non è un file normale, ma un dispositivo o un canale"},
    };
    for (const auto& row : rows) {
        const Outcome r = run({"--scheda", "500", "m", "--seme", "1", "--pdf", row.path});
        EXPECT_EQ(r.status, 1) << row.reason;
        EXPECT_EQ(r.err, notWritten(row.path, row.reason));
        EXPECT_EQ(entriesOf(d), before) << row.reason;
    }
}

TEST_F(CommandLine, AFolderThatRefusesTheUserIsNamed)
{
    // Root writes anywhere: as root the program runs as nobody.
    const bool root = ::geteuid() == 0;
    QString executable = QStringLiteral(ZELMORIO_PROGRAM);
    QStringList prefix;
    if (root) {
        executable = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (executable.isEmpty())
            GTEST_SKIP() << "root is refused nowhere, and setpriv, to run as nobody, is missing";
        prefix = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                             QStringLiteral(ZELMORIO_PROGRAM)};
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = dir.path();
    QDir(d).mkdir(QStringLiteral("sola-lettura"));
    QDir(d).mkdir(QStringLiteral("condivisa"));
    QDir(d).mkdir(QStringLiteral("casa"));
    ::chmod(QFile::encodeName(d).constData(), 0755);
    ::chmod(QFile::encodeName(d + "/sola-lettura").constData(), 0555);
    // Like /tmp: anyone adds files, but only its owner replaces one.
    ::chmod(QFile::encodeName(d + "/condivisa").constData(), 01777);
    ::chmod(QFile::encodeName(d + "/casa").constData(), 0777);
    QFile theirs(d + "/condivisa/scheda.pdf");
    ASSERT_TRUE(theirs.open(QIODevice::WriteOnly));
    theirs.write("old");
    theirs.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), d + "/casa");

    const struct {
        QString path;
        std::string reason;
    } rows[] = {
        {d + "/sola-lettura/scheda.pdf",
         "non ho il permesso di scrivere nella cartella «" + d.toStdString() + "/sola-lettura»"},
        {d + "/condivisa/scheda.pdf", "non ho il permesso di sostituire il file «" +
                                          d.toStdString() + "/condivisa/scheda.pdf» che c'è già"},
    };
    for (const auto& row : rows) {
        if (!root && row.path.contains("condivisa"))
            continue; // the file is the test's own: it may replace it
        const QString folder = QFileInfo(row.path).path();
        const QStringList before = entriesOf(folder);
        const Outcome r = runProgram(
            prefix + QStringList{"--scheda", "500", "m", "--seme", "1", "--pdf", row.path}, env, {},
            executable);
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(notWritten(row.path, row.reason)), std::string::npos) << r.err;
        EXPECT_EQ(entriesOf(folder), before) << row.reason;
    }
    EXPECT_EQ(contentOf(d + "/condivisa/scheda.pdf"), "old");
}

TEST_F(CommandLine, AFullOrReadOnlyDiskIsNamed)
{
    // A small file system of the test's own, mounted over a folder in a mount namespace
    // that ends with the program; the folder's entries are listed after the program.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        GTEST_SKIP() << "unshare, to mount a small file system, is missing";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString disk = dir.filePath(QStringLiteral("disco"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("disco")));
    const QStringList namespaces = ::geteuid() == 0
                                       ? QStringList{"--mount"}
                                       : QStringList{"--user", "--map-root-user", "--mount"};
    auto onDisk = [&](const QString& options, const QStringList& command) {
        return runProgram(namespaces +
                              QStringList{"sh", "-c",
                                          "mount -t tmpfs -o " + options +
                                              " zelmorio \"$0\" || exit 99; "
                                              "\"$@\"; status=$?; ls -A \"$0\"; "
                                              "exit $status",
                                          disk} +
                              command,
                          QProcessEnvironment::systemEnvironment(), {}, unshare);
    };
    const Outcome probe = onDisk(QStringLiteral("size=4k"), {"true"});
    if (probe.status != 0)
        GTEST_SKIP() << "no file system can be mounted here: " << probe.err;

    const QString pdf = disk + "/scheda.pdf";
    const QStringList sheet{
        QStringLiteral(ZELMORIO_PROGRAM), "--scheda", "500", "m", "--seme", "1", "--pdf", pdf};
    // Far less room than the sheet takes.
    Outcome r = onDisk(QStringLiteral("size=4k"), sheet);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, notWritten(pdf, "il disco è pieno"));
    EXPECT_EQ(r.out, "");
    r = onDisk(QStringLiteral("ro"), sheet);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, notWritten(pdf, "la cartella «" + disk.toStdString() +
                                         "» è su un disco di sola lettura"));
    // Room enough: the sheet is written whole.
    r = onDisk(QStringLiteral("size=4m"), sheet);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "scheda.pdf\n");
}

namespace {

// The operations of a row sheet in table order: under each label line the left column's
// group, then the right column's.
QStringList rowOperations(const QString& pdf, const QRegularExpression& operation)
{
    QStringList all, left, right;
    for (int page = 1; page <= pdftext::pageCount(pdf); ++page) {
        for (const QString& line : pdftext::pageLines(pdf, page)) {
            if (line.trimmed().endsWith(')')) {
                all << left << right;
                left.clear();
                right.clear();
            }
            QStringList* side = &left;
            for (auto it = operation.globalMatch(line); it.hasNext(); side = &right)
                *side << it.next().captured();
        }
    }
    return all << left << right;
}

// The operations of a column sheet in reading order, written as in a row ("345 - 278 =").
// Each digit stands in its own square, so the digits of a row of squares that lie one
// square (`square` points) apart make a number, and a sign follows each number. The
// operands of a row of rectangles stand in the same rows of squares, the last one's
// signs being "=". Other rows (heading, labels, name line) hold no such pairs.
QStringList columnOperations(const QString& pdf, double square)
{
    std::vector<pdftext::Word> words = pdftext::words(pdf);
    std::sort(words.begin(), words.end(), [](const pdftext::Word& a, const pdftext::Word& b) {
        return a.page != b.page ? a.page < b.page : a.y < b.y;
    });
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    QStringList all, pending;
    for (auto row = words.begin(); row != words.end();) {
        auto end = row;
        while (end != words.end() && end->page == row->page && end->y - row->y < 1)
            ++end;
        std::sort(row, end, [](const auto& a, const auto& b) { return a.x < b.x; });
        QStringList tokens;
        bool joins = false; // the last token is a number whose last digit is at `lastX`
        double lastX = 0;
        for (auto w = row; w != end; ++w) {
            const bool digit = digits.match(w->text).hasMatch();
            if (digit && joins && std::abs(w->x - lastX - square) < 1)
                tokens.back() += w->text;
            else
                tokens << w->text;
            joins = digit && w->text.size() == 1;
            lastX = w->x;
        }
        row = end;
        QStringList operands;
        bool last = true;
        for (qsizetype i = 0; i + 1 < tokens.size(); i += 2) {
            if (!digits.match(tokens[i]).hasMatch() || tokens[i + 1].size() != 1 ||
                !QStringLiteral("+-x:=").contains(tokens[i + 1]))
                break;
            operands << tokens[i] + ' ' + tokens[i + 1];
            last = last && tokens[i + 1] == "=";
        }
        if (operands.isEmpty() || operands.size() * 2 != tokens.size())
            continue;
        if (pending.isEmpty())
            pending = operands;
        else if (pending.size() == operands.size())
            for (qsizetype i = 0; i < operands.size(); ++i)
                pending[i] += ' ' + operands[i];
        else
            return {QStringLiteral("rows of operands of different lengths")};
        if (last) {
            all << pending;
            pending.clear();
        }
    }
    return all;
}

} // namespace

TEST_F(CommandLine, RowsAndColumnsHoldTheSameOperationsAndTheNameLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QRegularExpression subtraction(QStringLiteral(R"(\d+ - \d+ =)"));
    const struct {
        QStringList options;
        const char* squares;
        double square; // points
        int count;
    } sheets[] = {
        {{"--seme", "5"}, "5", 5 / 25.4 * 72, 40},
        {{"--seme", "6", "--colonne", "1", "--per-colonna", "30"}, "4", 4 / 25.4 * 72, 30},
        {{"--seme", "7", "--colonne", "1", "--per-colonna", "10"}, "10", 10 / 25.4 * 72, 10},
    };
    for (const auto& sheet : sheets) {
        const QString rows = dir.filePath(QStringLiteral("righe.pdf"));
        const QString columns = dir.filePath(QStringLiteral("colonna.pdf"));
        const QStringList common = QStringList{"--scheda", "999", "-"} + sheet.options;
        ASSERT_EQ(run(common + QStringList{"--pdf", rows}).status, 0);
        const Outcome r =
            run(common + QStringList{"--in-colonna", sheet.squares, "--nome", "--pdf", columns});
        ASSERT_EQ(r.status, 0) << r.err;
        // What the sheet made, on standard error: one copy, so every page of the file.
        const int pages = pdftext::pageCount(columns);
        EXPECT_EQ(r.err, "zelmorio: " + std::to_string(sheet.count) + " operazioni, " +
                             std::to_string(pages) + (pages == 1 ? " foglio" : " fogli") +
                             " per copia.\n");
        const QStringList inRows = rowOperations(rows, subtraction);
        ASSERT_EQ(inRows.size(), sheet.count) << sheet.squares;
        EXPECT_EQ(columnOperations(columns, sheet.square).join('\n').toStdString(),
                  inRows.join('\n').toStdString())
            << sheet.squares;

        // The name line is on the sheet asked for with --nome, and only there.
        for (const QString& pdf : {rows, columns}) {
            QStringList firstPage;
            for (const pdftext::Word& w : pdftext::words(pdf))
                if (w.page == 1)
                    firstPage << w.text;
            for (const char* word : {"Nome", "Classe", "Data"})
                EXPECT_EQ(firstPage.contains(word), pdf == columns) << word;
        }
    }
}

TEST_F(CommandLine, DifferentCopiesEachHaveTheirOwnLinesAndTheirOwnKeySection)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("classe.pdf"));
    const QStringList arguments{"--scheda", "999",    "-", "--per-colonna", "10",    "--copie",
                                "25",       "--seme", "5", "--soluzioni",   "--pdf", pdf};
    Outcome r = run(arguments + QStringList{"--copie-diverse"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(pdftext::pageCount(pdf), 50); // 25 copies of one sheet, 25 key sections

    static const QRegularExpression subtraction(QStringLiteral(R"((\d+) - (\d+) = ?(\d*))"));
    // Each copy's operations ("a - b"), in the order printed; its key's results.
    const auto operationsOn = [&](int page, QStringList* results = nullptr,
                                  const QString& file = {}) {
        QStringList operations;
        for (const QString& line : pdftext::pageLines(file.isEmpty() ? pdf : file, page))
            for (auto it = subtraction.globalMatch(line); it.hasNext();) {
                const auto m = it.next();
                operations << m.captured(1) + " - " + m.captured(2);
                if (results)
                    *results << m.captured(3);
            }
        return operations;
    };
    std::vector<QStringList> copies;
    for (int k = 1; k <= 25; ++k) {
        const QStringList lines = pdftext::pageLines(pdf, k);
        ASSERT_FALSE(lines.isEmpty()) << k;
        EXPECT_EQ(lines.constLast().trimmed(), QStringLiteral("Copia %1 di 25").arg(k));
        copies.push_back(operationsOn(k));
        EXPECT_EQ(copies.back().size(), 20) << k;
    }
    for (std::size_t a = 0; a < copies.size(); ++a)
        for (std::size_t b = a + 1; b < copies.size(); ++b)
            EXPECT_NE(copies[a], copies[b]) << a + 1 << " and " << b + 1;

    for (int k = 1; k <= 25; ++k) {
        const int page = 25 + k;
        EXPECT_EQ(pdftext::pageLines(pdf, page).value(0).trimmed(),
                  QStringLiteral("Soluzioni – copia %1").arg(k));
        QStringList results;
        const QStringList keyed = operationsOn(page, &results);
        EXPECT_EQ(keyed, copies[std::size_t(k - 1)]) << k;
        for (qsizetype i = 0; i < keyed.size(); ++i) {
            const QStringList operands = keyed[i].split(QStringLiteral(" - "));
            EXPECT_EQ(operands[0].toInt() - operands[1].toInt(), results[i].toInt())
                << keyed[i].toStdString();
        }
    }

    // The same seed makes the same set; without the option every copy is the first one.
    const QString again = dir.filePath(QStringLiteral("ancora.pdf"));
    r = run(QStringList(arguments).replaceInStrings(pdf, again) + QStringList{"--copie-diverse"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pdftext::pageLines(again, 17), pdftext::pageLines(pdf, 17));
    const QString same = dir.filePath(QStringLiteral("uguali.pdf"));
    r = run(QStringList(arguments).replaceInStrings(pdf, same));
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(pdftext::pageCount(same), 26);
    const QStringList first = pdftext::pageLines(same, 1);
    EXPECT_EQ(pdftext::pageLines(same, 25), first);
    EXPECT_FALSE(first.join(' ').contains(QStringLiteral("Copia")));
    EXPECT_EQ(operationsOn(1, nullptr, same), copies.front());
}
