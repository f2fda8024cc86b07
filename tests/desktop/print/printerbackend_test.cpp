// SPDX-License-Identifier: GPL-3.0-or-later
// The printer backend drawing on a PDF printer, read back with pdftotext.
#include "desktop/print/output.h"
#include "desktop/print/printerbackend.h"
#include "desktop/windows/ui.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/page.h"
#include "support/lineparse.h"
#include "support/pdftext.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include <sys/stat.h>

using namespace print;

namespace {

constexpr double MarginMm = 20.0;
constexpr double MarginPt = MarginMm * 72.0 / 25.4;
constexpr double BodyPt = 15.0;
// Liberation Sans, which stands in for Arial: average character width 0.580 em, blank
// 0.278 em. A print zone is fourteen average widths.
constexpr double ZonePt = 14 * 0.580 * BodyPt;
constexpr double BlankPt = 0.278 * BodyPt;
constexpr double A4WidthPt = 595.28;
constexpr double A4HeightPt = 841.89;

class PdfPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        widgets::installFontSubstitutions();
        ASSERT_TRUE(m_dir.isValid());
    }

    QString print(const std::vector<Statement>& statements, bool expectOk = true)
    {
        const QString path = m_dir.filePath(QStringLiteral("sheet%1.pdf").arg(++m_count));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                          QPageLayout::Millimeter));
        EXPECT_EQ(printStatements(statements, printer), expectOk);
        return path;
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

OperationTable tableOf(const std::string& left, const std::string& right)
{
    OperationTable table;
    for (int g = 1; g <= 8; ++g)
        for (int j = 1; j <= 10; ++j)
            testsupport::put(table, g, j, (g % 2 ? left : right) + " = ");
    return table;
}

} // namespace

TEST_F(PdfPrint, RightEntriesStartUnderTheirLabel)
{
    // "84 x 6 = " ends short of zone 1, "65 + 739 + 58 = " past it; a left line of 21
    // characters still leaves its partner under the label, one of 22 is followed directly.
    OperationTable table = tableOf("84 x 6", "34 + 6");
    testsupport::put(table, 1, 2, "1.234,56 + 6.789,12 = "); // 22 characters
    testsupport::put(table, 1, 3, "1.234,5 + 6.789,12 = ");  // 21 characters
    testsupport::put(table, 1, 4, "65 + 739 + 58 = ");
    const QString pdf = print(layOut(table, {1, Columns::Two}, "Calcola", 1));
    const auto words = pdftext::words(pdf);
    ASSERT_FALSE(words.empty());

    const auto label = std::find_if(words.begin(), words.end(),
                                    [](const pdftext::Word& w) { return w.text == "2)"; });
    ASSERT_NE(label, words.end());
    EXPECT_NEAR(label->x, MarginPt + 2 * ZonePt, 1.0);

    int rightEntries = 0;
    for (const pdftext::Word& w : words) {
        if (w.text != "34")
            continue;
        ++rightEntries;
        const auto line = pdftext::lineAt(words, 1, w.y);
        const auto longLine = std::find_if(line.begin(), line.end(),
                                           [](const auto& o) { return o.text == "1.234,56"; });
        if (longLine != line.end()) {
            // The long line's closing "= ", then the right entry's five blanks.
            const auto closing = std::find_if(line.begin(), line.end(), [&](const auto& o) {
                return o.text == "=" && o.x > longLine->right && o.x < w.x;
            });
            ASSERT_NE(closing, line.end());
            EXPECT_NEAR(w.x, closing->right + 6 * BlankPt, 1.0);
        } else
            EXPECT_NEAR(w.x, label->x + 5 * BlankPt, 1.0) << "right entry at " << w.x;
    }
    EXPECT_EQ(rightEntries, 10);
    EXPECT_EQ(pdftext::pageCount(pdf), 1);
}

TEST_F(PdfPrint, LongHeadingWrapsWholeInsideThePrintableWidth)
{
    const QString sentence = QStringLiteral(
        "Scheda di matematica per la classe terza: esegui in colonna sul quaderno ogni "
        "operazione, poi controlla il risultato con la prova e scrivi accanto quante "
        "operazioni sono giuste. Ricorda di mettere le unità sotto le unità, le decine sotto "
        "le decine e le centinaia sotto le centinaia, come abbiamo visto insieme in classe.");
    ASSERT_GE(sentence.size(), 300);
    // A word wider than the whole line follows; it can only be cut.
    const QString longWord = QStringLiteral("precipitevolissimevolmente").repeated(3);
    const std::string heading = (sentence + ' ' + longWord).toStdString();
    const QString pdf = print(layOut(tableOf("1 + 2", "3 + 4"), {1, Columns::One}, heading, 1));
    const auto words = pdftext::words(pdf);
    const auto label = std::find_if(words.begin(), words.end(),
                                    [](const pdftext::Word& w) { return w.text == "1)"; });
    ASSERT_NE(label, words.end());
    EXPECT_EQ(label->page, 1);

    const QStringList expected = sentence.split(QLatin1Char(' '));
    const std::vector<pdftext::Word> printed(words.begin(), label);
    ASSERT_GT(printed.size(), std::size_t(expected.size()));
    QString cut;
    int lines = 0;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const pdftext::Word& w = printed[i];
        // Every line starts where the first one's text does, after the heading's indent.
        if (i == 0 || std::abs(w.y - printed[i - 1].y) > 1.0) {
            ++lines;
            EXPECT_NEAR(w.x, printed[0].x, 1.0) << "line " << lines << ": " << w.text.toStdString();
        }
        EXPECT_GE(w.x, MarginPt - 1.0) << w.text.toStdString();
        EXPECT_LE(w.right, A4WidthPt - MarginPt + 1.0) << w.text.toStdString();
        EXPECT_LT(w.y, label->y);
        if (i < std::size_t(expected.size()))
            EXPECT_EQ(w.text, expected[qsizetype(i)]) << "word " << i;
        else
            cut += w.text;
    }
    EXPECT_EQ(cut, longWord);
    EXPECT_GT(lines, 3);
    EXPECT_GT(printed[0].x, MarginPt + 1.0); // the indent
}

TEST_F(PdfPrint, EveryCopyOnItsOwnSheetAndNoBlankLastSheet)
{
    const OperationTable table = tableOf("1 + 2", "3 + 4");
    const QString three = print(layOut(table, {1, Columns::One}, "Scheda", 3));
    EXPECT_EQ(pdftext::pageCount(three), 3);
    for (int page = 1; page <= 3; ++page) {
        const QStringList lines = pdftext::pageLines(three, page);
        ASSERT_EQ(lines.size(), 12) << lines.join('\n').toStdString();
        EXPECT_EQ(lines[0].trimmed(), "Scheda");
        EXPECT_EQ(lines[1].trimmed(), "1)");
    }
}

TEST_F(PdfPrint, LongCopyContinuesOnTheNextSheetWithinThePrintableArea)
{
    const OperationTable table = tableOf("1 + 2", "3 + 4");
    const QString pdf = print(layOut(table, {4, Columns::Two}, "Scheda", 2));
    const auto words = pdftext::words(pdf);
    // Forty-four body lines at 15 points do not fit on one A4 sheet inside the margins.
    ASSERT_EQ(pdftext::pageCount(pdf), 4);
    int entries = 0;
    for (const pdftext::Word& w : words) {
        EXPECT_LT(w.y + BodyPt, A4HeightPt - MarginPt + 1.0) << w.text.toStdString();
        EXPECT_GT(w.y, MarginPt - 1.0);
        entries += w.text == "1" || w.text == "3";
    }
    EXPECT_EQ(entries, 2 * 80);
    // The second copy starts on a fresh sheet with its heading.
    const auto headings =
        std::count_if(words.begin(), words.end(), [](const auto& w) { return w.text == "Scheda"; });
    EXPECT_EQ(headings, 2);
    for (const pdftext::Word& w : words) {
        if (w.text == "Scheda") {
            EXPECT_TRUE(w.page == 1 || w.page == 3) << w.page;
        }
    }
}

TEST_F(PdfPrint, NameLineUnderTheHeadingOfEveryCopy)
{
    LayoutOptions options{1, Columns::One};
    options.nameLine = true;
    const QString pdf = print(layOut(tableOf("1 + 2", "3 + 4"), options, "Scheda", 2));
    const auto words = pdftext::words(pdf);
    ASSERT_EQ(pdftext::pageCount(pdf), 2);
    for (int page = 1; page <= 2; ++page) {
        double headingY = -1, labelY = -1;
        for (const pdftext::Word& w : words) {
            if (w.page == page && w.text == "Scheda")
                headingY = w.y;
            if (w.page == page && w.text == "1)")
                labelY = w.y;
        }
        const auto nome = std::find_if(words.begin(), words.end(), [&](const auto& w) {
            return w.page == page && w.text == "Nome";
        });
        ASSERT_NE(nome, words.end());
        EXPECT_GT(nome->y, headingY);
        EXPECT_LT(nome->y, labelY);
        QStringList line;
        for (const pdftext::Word& w : pdftext::lineAt(words, page, nome->y))
            line << w.text;
        EXPECT_EQ(line, (QStringList{"Nome", "e", "cognome", "Classe", "Data"}));
        // "Classe" after the first writing line, "Data" after the second.
        const auto at = [&](const char* word) {
            return std::find_if(words.begin(), words.end(),
                                [&](const auto& w) { return w.page == page && w.text == word; })
                ->x;
        };
        const double width = A4WidthPt - 2 * MarginPt;
        EXPECT_NEAR(at("Classe"), MarginPt + 0.52 * width + 2 * BlankPt, 1.0);
        EXPECT_NEAR(at("Data"), MarginPt + 0.72 * width + 2 * BlankPt, 1.0);
    }
}

TEST_F(PdfPrint, ColumnFormDigitsSitCentredInTheirSquaresAndTheKeyHoldsTheResults)
{
    OperationTable table = tableOf("345 + 278", "84 : 6");
    JobOptions options{{1, Columns::Two}, "Scheda", 1, true, core::windowOfRange("999")};
    options.form = SheetForm::Squares5;
    const QString pdf = print(layOutJob(table, options));
    ASSERT_EQ(pdftext::pageCount(pdf), 2);
    const auto words = pdftext::words(pdf);
    // 170 mm of printable width hold 34 squares of 5 mm exactly: the grid starts at the
    // margin. Rows start where the heading leaves off, so they are held to each other.
    const double square = 5 * 72 / 25.4;
    const auto offset = [&](double at, double from) {
        return std::fmod(at - from + 100 * square, square);
    };
    std::optional<double> rowOffset;
    int digits = 0;
    for (const pdftext::Word& w : words) {
        if (w.page != 1 || w.text.size() != 1 || !(w.text[0].isDigit() || w.text == "+"))
            continue;
        ++digits;
        EXPECT_NEAR(offset((w.x + w.right) / 2, MarginPt), square / 2, 0.5) << w.text.toStdString();
        const double middle = offset((w.y + w.bottom) / 2, 0);
        if (!rowOffset)
            rowOffset = middle;
        EXPECT_NEAR(middle, *rowOffset, 0.5) << w.text.toStdString() << " at " << w.y;
    }
    // 345 + 278 (seven characters) ten times, 84 and 6 (three digits) ten times.
    EXPECT_EQ(digits, 10 * 7 + 10 * 3);

    // On the key, each sum's units stand two rows under the first addend's units.
    int sums = 0;
    for (const pdftext::Word& five : words)
        for (const pdftext::Word& three : words)
            sums += five.page == 2 && three.page == 2 && five.text == "5" && three.text == "3" &&
                    std::abs(three.x - five.x) < 0.5 &&
                    std::abs(three.y - five.y - 2 * square) < 0.5;
    EXPECT_EQ(sums, 10);
}

TEST_F(PdfPrint, FontsOfHeadingAndBody)
{
    const QString pdf = print(layOut(tableOf("1 + 2", "3 + 4"), {1, Columns::One}, "Nome", 1));
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    fonts.waitForFinished(30000);
    const QString out = QString::fromUtf8(fonts.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("ComicNeue"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("LiberationSans"))) << out.toStdString();
}

TEST_F(PdfPrint, DeviceThatCannotPaintReportsFailure)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/sheet.pdf"));
    EXPECT_FALSE(
        printStatements(layOut(tableOf("1 + 2", "3 + 4"), {1, Columns::One}, "", 1), printer));
}

// The key's font size, read from the line spacing: Liberation Sans spaces its lines
// 1.149 em apart.
double sizeFromSpacing(double spacing)
{
    return spacing / 1.149;
}

TEST_F(PdfPrint, AnswerKeyFitsItsColumnsAtTheLargestSizeThatHolds)
{
    // Two columns of long lines: the largest size at which the longest one fits half the
    // width, nothing past the middle on the left nor past the edge on the right.
    OperationTable longLines = tableOf("123.456 + 789.012 + 345.678", "999.999 : 7");
    const QString pdf = print(
        layOutJob(longLines, {{4, Columns::Two}, "L", 1, true, core::windowOfRange("999999")}));
    const auto words = pdftext::words(pdf);
    const int keyPage = pdftext::pageCount(pdf);
    const double middle = MarginPt + (A4WidthPt - 2 * MarginPt) / 2;
    int sums = 0;
    int quotients = 0;
    std::vector<double> sumTops;
    double widestRight = 0;
    for (const pdftext::Word& w : words) {
        if (w.text == "1.258.146") {
            ++sums;
            sumTops.push_back(w.y);
            widestRight = std::max(widestRight, w.right);
            EXPECT_EQ(w.page, keyPage);
            EXPECT_LT(w.right, middle);
        }
        if (w.text == "142.857") {
            ++quotients;
            EXPECT_GT(w.x, middle);
            EXPECT_LE(w.right, A4WidthPt - MarginPt + 1.0);
        }
        if (w.page == keyPage && (w.text == "2)" || w.text == "4)")) {
            EXPECT_NEAR(w.x, middle, 1.0);
        }
    }
    EXPECT_EQ(sums, 40);
    EXPECT_EQ(quotients, 40);
    ASSERT_GE(sumTops.size(), 2u);
    const double points = std::round(sizeFromSpacing(sumTops[1] - sumTops[0]));
    EXPECT_GE(points, 10.0);
    EXPECT_LT(points, 15.0);
    // One point more would carry the left line (and the blank after it) past the middle.
    const double blank = 0.278 * points;
    EXPECT_GT((widestRight + blank - MarginPt) * (points + 1) / points, middle - MarginPt);
}

TEST_F(PdfPrint, PdfFileAppearsWholeOrNotAtAll)
{
    const auto job = layOut(tableOf("1 + 2", "3 + 4"), {1, Columns::One}, "Scheda", 2);
    const QString path = m_dir.filePath(QStringLiteral("scheda.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_TRUE(writePdf(job, path).ok());
    EXPECT_EQ(pdftext::pageCount(path), 2);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scheda.pdf")});

    EXPECT_EQ(writePdf(job, m_dir.filePath(QStringLiteral("missing/scheda.pdf"))).error,
              ReplaceError::MissingFolder);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scheda.pdf")});
}

TEST_F(PdfPrint, PdfSavesKeepPermissionsFollowLinksAndTakeLongNames)
{
    const auto job = layOut(tableOf("1 + 2", "3 + 4"), {1, Columns::One}, "Scheda", 1);
    const mode_t umaskBefore = ::umask(022);
    QDir dir(m_dir.path());
    auto mode = [&dir](const QString& name) {
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(dir.filePath(name)).constData(), &st), 0)
            << name.toStdString();
        return st.st_mode & 07777;
    };
    auto overwrite = [&dir](const QString& name, QFileDevice::Permissions permissions) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write("old");
        file.close();
        file.setPermissions(permissions);
    };

    // A new file gets the umask's permissions, an existing 0664 one keeps its own.
    EXPECT_TRUE(writePdf(job, dir.filePath("new.pdf")).ok());
    EXPECT_EQ(mode("new.pdf"), 0644u);
    using P = QFileDevice;
    overwrite("shared.pdf",
              P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup | P::ReadOther);
    EXPECT_TRUE(writePdf(job, dir.filePath("shared.pdf")).ok());
    EXPECT_EQ(mode("shared.pdf"), 0664u);
    EXPECT_EQ(pdftext::pageCount(dir.filePath("shared.pdf")), 1);

    // A symbolic link stays a link, and the file it points to is written.
    overwrite("target.pdf", P::ReadOwner | P::WriteOwner);
    ASSERT_TRUE(QFile::link("target.pdf", dir.filePath("link.pdf")));
    EXPECT_TRUE(writePdf(job, dir.filePath("link.pdf")).ok());
    EXPECT_TRUE(QFileInfo(dir.filePath("link.pdf")).isSymLink());
    EXPECT_EQ(pdftext::pageCount(dir.filePath("target.pdf")), 1);
    EXPECT_EQ(mode("target.pdf"), 0600u);

    // A name of 249 characters, new and then replaced; nothing else is left beside it.
    const QString longName = QString(245, QLatin1Char('s')) + ".pdf";
    const auto files = QDir::Files | QDir::Hidden | QDir::System;
    QStringList expected = dir.entryList(files) << longName;
    expected.sort();
    EXPECT_TRUE(writePdf(job, dir.filePath(longName)).ok());
    EXPECT_TRUE(writePdf(layOut(tableOf("5 + 6", "7 + 8"), {1, Columns::One}, "Scheda", 2),
                         dir.filePath(longName))
                    .ok());
    EXPECT_EQ(pdftext::pageCount(dir.filePath(longName)), 2);
    EXPECT_EQ(dir.entryList(files, QDir::Name), expected);
    ::umask(umaskBefore);
}

TEST(PdfPage, TheCoresPageIsQtsDefaultPdfLayout)
{
    // Front ends that draw the sheet themselves rely on these being the PDF's real page.
    const QRectF page(0, 0, 595, 842);
    const QRectF printable(10, 10, 575, 822);
    EXPECT_EQ(QRectF(0, 0, PdfPage.width, PdfPage.height), page);
    EXPECT_EQ(
        QRectF(PdfPage.left, PdfPage.top, PdfPage.printableWidth(), PdfPage.printableHeight()),
        printable);
    QPrinter plain(QPrinter::HighResolution);
    plain.setOutputFormat(QPrinter::PdfFormat);
    plain.setPageSize(QPageSize(QPageSize::A4));
    QPrinter set(QPrinter::HighResolution);
    set.setOutputFormat(QPrinter::PdfFormat);
    usePdfPage(set);
    for (const QPrinter* printer : {&plain, &set}) {
        EXPECT_EQ(printer->pageLayout().fullRect(QPageLayout::Point), page);
        EXPECT_EQ(printer->pageLayout().paintRect(QPageLayout::Point), printable);
    }
}
