// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet for the browser page: the sheets an address asks for, placed by the same
// text model and column layout as the desktop's PDF, as drawing data. The page measures
// text widths with the same fonts, and draws.
#include "sheets.h"

#include "drawing.h"
#include "engine/catalog/address.h"
#include "engine/rules/random.h"
#include "engine/sheet/page.h"
#include "engine/sheet/textmodel.h"
#include "measure.h"
#include "request.h"
#include "sheetform.h"
#include "text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace web {

using emscripten::val;
namespace form = print::dialogform;

namespace {

print::PlacedSheets place(const std::vector<print::Statement>& statements, const val& measure)
{
    const print::SheetPage page = print::PdfPage;
    const double perMm = 1.0 / print::MmPerPoint;
    return print::placeStatements(
        statements, {page.printableWidth(), page.printableHeight(), perMm}, PageMeasure(measure));
}

} // namespace

namespace {

// The worksheet an address asks for, without its key, its seed written into `out`; nullopt
// after writing the address's fault into `out`.
std::optional<catalog::PageRequest> copiesOnly(const val& pairs, val& out)
{
    std::optional<catalog::PageRequest> request =
        readRequest(pairs, catalog::PageRequest::Action::Sheet, out);
    if (request) {
        out.set("seed", std::to_string(*request->seed));
        request->sheet.job.answerKey = false;
    }
    return request;
}

} // namespace

val sheetSummary(const val& pairs, const val& measure)
{
    val out = val::object();
    std::optional<catalog::PageRequest> request = copiesOnly(pairs, out);
    if (!request)
        return out;
    // The copies, drawn as the whole job draws them: one copy when they are all the same.
    catalog::SheetRequest& sheet = request->sheet;
    if (print::tablesNeeded(sheet.job) == 1)
        sheet.job.copies = 1;
    core::RandomSequence random(*request->seed);
    const print::PlacedSheets placed = place(catalog::sheetStatements(sheet, random), measure);
    const print::CopySize size = print::copySize(placed);
    if (!placed.problem.empty())
        out.set("message", text(placed.problem));
    else if (size.sheets > 0)
        out.set("summary", text(form::sheetSummary(size.operations, size.sheets, size.mostSheets)));
    return out;
}

val firstCopySheets(const val& pairs, const val& measure)
{
    val out = val::object();
    std::optional<catalog::PageRequest> request = copiesOnly(pairs, out);
    if (!request)
        return out;
    catalog::SheetRequest& sheet = request->sheet;
    // The first table, drawn first by the whole job too; the other copies' tables stay
    // empty, since their sheets are cut off below.
    print::JobOptions one = sheet.job;
    one.copies = 1;
    std::vector<print::OperationTable> tables;
    core::RandomSequence random(*request->seed);
    catalog::drawCopies(sheet.choice, one, random, tables);
    tables.resize(std::size_t(print::tablesNeeded(sheet.job)));
    std::vector<print::Statement> statements = catalog::sheetStatements(sheet, tables);
    // Every copy ends with a new page: the first one's ends the document.
    const auto end = std::find_if(statements.begin(), statements.end(), [](const print::Statement& s) {
        return s.kind == print::Statement::Kind::NewPage;
    });
    if (end != statements.end())
        statements.erase(end + 1, statements.end());
    statements.push_back(print::Statement::endDocument());
    const print::PlacedSheets placed = place(statements, measure);
    if (!placed.problem.empty())
        out.set("message", text(placed.problem));
    else
        out.set("sheets", drawing(placed));
    return out;
}

val sheets(const val& pairs, const val& measure)
{
    val out = val::object();
    const std::optional<catalog::PageRequest> request =
        readRequest(pairs, catalog::PageRequest::Action::Sheet, out);
    if (!request)
        return out;

    const std::uint64_t seed = *request->seed;
    core::RandomSequence random(seed);
    const std::vector<print::Statement> statements =
        catalog::sheetStatements(request->sheet, random);
    const print::PlacedSheets placed = place(statements, measure);
    if (!placed.problem.empty()) {
        out.set("message", text(placed.problem));
        return out;
    }
    out.set("sheets", drawing(placed));
    setSource(out, request->sheet.choice);
    const print::JobOptions& job = request->sheet.job;
    val chosen = val::object();
    chosen.set("perColumn", text(form::valueOf(form::PerColumn, job.layout.groupCount)));
    chosen.set("columns", text(form::valueOf(form::ColumnCount, job.layout.columns)));
    chosen.set("copies", std::to_string(job.copies));
    chosen.set("heading", job.heading);
    chosen.set("key", job.answerKey);
    chosen.set("form", text(form::valueOf(form::Form, job.form)));
    chosen.set("nameLine", job.layout.nameLine);
    chosen.set("differentCopies", job.differentCopies);
    out.set("chosen", chosen);
    out.set("seed", std::to_string(seed));
    out.set("address", text(catalog::sheetAddress(request->sheet, seed)));
    out.set("headingInAddress", catalog::addressCarriesHeading(request->sheet));
    return out;
}

} // namespace web
