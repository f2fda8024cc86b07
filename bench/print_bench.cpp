// SPDX-License-Identifier: GPL-3.0-or-later
// The print job from the layout to a PDF file (QPrinter in PDF mode): an 80-operation
// two-column worksheet, one copy and thirty copies, and ninety-nine copies under the
// longest heading the dialog takes; thirty different copies in column form with their keys,
// from drawing their operations (at the slowest difficulty level too); and the print
// preview of such a job with its answer key, up to its first page on screen.
#include "support/benchtable.h"

#include "desktop/print/preview.h"
#include "desktop/print/printerbackend.h"
#include "engine/catalog/request.h"
#include "engine/rules/integer/rules.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/worksheet.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

print::OperationTable worksheet()
{
    core::RandomSequence rng(8);
    print::OperationTable table;
    print::fillTable(*integer::recipe("999", "m", " ="), rng, table);
    return table;
}

// The longest text the heading field takes (32,767 characters), words of uneven lengths,
// so that it wraps over several sheets of every copy.
std::string longestHeading()
{
    std::string heading;
    for (int i = 0; heading.size() < 32767; ++i)
        heading += std::string(1 + i % 11, char('a' + i % 26)) + ' ';
    heading.resize(32767);
    return heading;
}

// Prints the statements to a PDF file; false, the benchmark told, when the printer refuses.
bool toPdf(benchmark::State& state, const std::vector<print::Statement>& statements,
           const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (print::printStatements(statements, printer))
        return true;
    state.SkipWithError("the PDF printer refused to paint");
    return false;
}

void printCopies(benchmark::State& state, int copies, const QString& file,
                 const std::string& heading = "Calcola le seguenti operazioni:",
                 print::SheetForm form = print::SheetForm::Rows)
{
    const print::OperationTable table = worksheet();
    const print::LayoutOptions layout{4, print::Columns::Two}; // 4 groups × 2 columns × 10
    print::JobOptions options{layout, heading, copies, false, core::windowOfRange("999")};
    options.form = form;
    options.answerKey = form != print::SheetForm::Rows;
    qint64 bytes = 0;
    for (auto _ : state) {
        if (!toPdf(state, print::layOutJob(table, options), file))
            break;
        state.PauseTiming();
        bytes = QFile(file).size();
        state.ResumeTiming();
    }
    state.counters["PDF bytes"] = static_cast<double>(bytes);
}

// Thirty copies that differ, each with its own eighty operations drawn now from the choice's
// rules (and level), in column form on 5 mm squares, with a key section for each, to PDF.
void printDifferentCopies(benchmark::State& state, const QString& file, std::string_view range,
                          std::string_view kind, core::Changes changes)
{
    catalog::SheetRequest request;
    for (const catalog::Generator* g : catalog::generatorsOf(range))
        if (g->kind == kind)
            request.choice.generator = g;
    if (!request.choice.generator) {
        state.SkipWithError("no such generator");
        return;
    }
    request.choice.options.changes = changes;
    request.job.layout = {4, print::Columns::Two};
    request.job.copies = 30;
    request.job.answerKey = true;
    request.job.form = print::SheetForm::Squares5;
    request.job.differentCopies = true;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        core::RandomSequence random(seed++);
        if (!toPdf(state, catalog::sheetStatements(request, random), file))
            break;
    }
}

// From the statements to the preview dialog on screen with its first page drawn.
void previewFirstPage(benchmark::State& state)
{
    const print::OperationTable table = worksheet();
    const print::JobOptions options{{4, print::Columns::Two},
                                    "Calcola le seguenti operazioni:",
                                    1,
                                    true,
                                    core::windowOfRange("999")};
    for (auto _ : state) {
        const auto printer = print::previewPrinter();
        print::JobPreview preview(printer.get(), print::layOutJob(table, options));
        preview.show();
        QCoreApplication::processEvents();
        // The worksheet, on one sheet or two, and the key.
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        if (!preview.painted() || !pages || pages->pageCount() < 2) {
            state.SkipWithError("the preview showed no pages");
            break;
        }
        state.PauseTiming();
        preview.close();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setFont(QApplication::font()); // fonts resolved before the first run
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("scheda.pdf"));
    benchtable::add("print/80 operations, 2 columns, 1 copy, to PDF", {},
                    [file](benchmark::State& s) { printCopies(s, 1, file); })
        ->Unit(benchmark::kMillisecond);
    benchtable::add("print/80 operations, 2 columns, 30 copies, to PDF", {1e9, {}},
                    [file](benchmark::State& s) { printCopies(s, 30, file); })
        ->Unit(benchmark::kMillisecond);
    benchtable::add(
        "print/80 operations in column form, 5 mm, 30 copies and the key, to PDF", {1e9, {}},
        [file](benchmark::State& s) {
            printCopies(s, 30, file, "Calcola le seguenti operazioni:", print::SheetForm::Squares5);
        })
        ->Unit(benchmark::kMillisecond);
    benchtable::add(
        "print/30 different copies of 80 operations (999 m), column form, 5 mm, their keys, to PDF",
        {1e9, {}},
        [file](benchmark::State& s) {
            printDifferentCopies(s, file, "999", "m", core::Changes::Any);
        })
        ->Unit(benchmark::kMillisecond);
    benchtable::add("print/30 different copies of 80 operations (999999 x3, senza cambio), column "
                    "form, 5 mm, their keys, to PDF",
                    {1e9, {}},
                    [file](benchmark::State& s) {
                        printDifferentCopies(s, file, "999999", "x3", core::Changes::None);
                    })
        ->Unit(benchmark::kMillisecond);
    benchtable::add("print/heading of 32,767 characters, 99 copies, to PDF", {2e9, {}},
                    [file](benchmark::State& s) { printCopies(s, 99, file, longestHeading()); })
        ->Unit(benchmark::kMillisecond);
    benchtable::add("print/preview of 80 operations with the key, first page shown", {100e6, {}},
                    previewFirstPage)
        ->Unit(benchmark::kMillisecond);
    return benchtable::run(argc, argv);
}
