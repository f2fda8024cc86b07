// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/job.h"

#include "engine/sheet/columnsheet.h"

#include <memory>
#include <stdexcept>

namespace print {

namespace {

// The job's copies that differ: copy n prints tables[n - 1].
bool copiesDiffer(const JobOptions& options)
{
    return options.differentCopies && options.copies > 1;
}

const OperationTable& tableOfCopy(const std::vector<OperationTable>& tables,
                                  const JobOptions& options, int copy)
{
    return tables[copiesDiffer(options) ? std::size_t(copy - 1) : 0];
}

// The key's heading for a copy's section; the one key's when the copies are the same.
std::string keyTitle(const JobOptions& options, int copy)
{
    return keyHeading(options.heading, options.levels, copiesDiffer(options) ? copy : 0);
}

void appendAll(std::vector<Statement>& out, std::vector<Statement> more)
{
    out.insert(out.end(), std::make_move_iterator(more.begin()),
               std::make_move_iterator(more.end()));
}

std::vector<Statement> columnJob(const std::vector<OperationTable>& tables,
                                 const JobOptions& options)
{
    auto part = [&](const OperationTable& table, bool answerKey, const std::string& heading) {
        auto made = std::make_shared<ColumnPart>();
        made->table = table;
        made->request.layout = options.layout;
        made->request.square = squareOf(options.form);
        if (options.window)
            made->request.window = *options.window;
        made->request.answerKey = answerKey;
        made->furtherOpening = furtherSheetOpening(heading, !answerKey && options.layout.nameLine);
        return made;
    };
    const bool differ = copiesDiffer(options);
    std::vector<Statement> out;
    std::shared_ptr<const ColumnPart> same;
    for (int n = 1; n <= options.copies; ++n) {
        std::shared_ptr<const ColumnPart> sheet = same;
        if (!sheet) {
            sheet = part(tableOfCopy(tables, options, n), false, options.heading);
            if (!differ)
                same = sheet;
        }
        if (differ)
            out.push_back(Statement::foot(copyFoot(n, options.copies)));
        sheetOpening(out, options.heading, options.layout.nameLine);
        out.push_back(Statement::columnSheets(sheet));
        out.push_back(Statement::newPage());
    }
    if (differ)
        out.push_back(Statement::foot({}));
    if (options.answerKey) {
        for (int n = 1; n <= (differ ? options.copies : 1); ++n) {
            const std::string title = keyTitle(options, n);
            sheetOpening(out, title, false);
            out.push_back(
                Statement::columnSheets(part(tableOfCopy(tables, options, n), true, title)));
            out.push_back(Statement::newPage());
        }
    }
    out.push_back(Statement::endDocument());
    return out;
}

std::vector<Statement> rowJob(const std::vector<OperationTable>& tables, const JobOptions& options)
{
    const bool differ = copiesDiffer(options);
    std::vector<Statement> out;
    if (!differ) {
        out = layOut(tables.front(), options.layout, options.heading, options.copies);
    } else {
        for (int n = 1; n <= options.copies; ++n) {
            out.push_back(Statement::foot(copyFoot(n, options.copies)));
            appendAll(out, layOut(tables[std::size_t(n - 1)], options.layout, options.heading, 1));
            out.pop_back(); // the end of the document comes after the last copy
        }
        out.push_back(Statement::foot({}));
        out.push_back(Statement::endDocument());
    }
    if (options.answerKey) {
        out.pop_back(); // the end of the document comes after the key
        for (int n = 1; n <= (differ ? options.copies : 1); ++n)
            appendAll(out, layOutKey(tableOfCopy(tables, options, n), options.layout,
                                     options.window, keyTitle(options, n)));
        out.push_back(Statement::endDocument());
    }
    return out;
}

} // namespace

double squareOf(SheetForm form)
{
    switch (form) {
    case SheetForm::Rows:
        break;
    case SheetForm::Squares5:
        return LargeSquare;
    case SheetForm::Squares4:
        return SmallSquare;
    case SheetForm::Squares10:
        return CentimetreSquare;
    }
    return 0;
}

int tablesNeeded(const JobOptions& options)
{
    return copiesDiffer(options) ? options.copies : 1;
}

std::string copyFoot(int copy, int copies)
{
    return "Copia " + std::to_string(copy) + " di " + std::to_string(copies);
}

std::vector<Statement> layOutJob(const std::vector<OperationTable>& tables,
                                 const JobOptions& options)
{
    if (tables.size() < std::size_t(tablesNeeded(options)))
        throw std::invalid_argument("layOutJob: fewer tables than the copies that differ");
    return options.form == SheetForm::Rows ? rowJob(tables, options) : columnJob(tables, options);
}

std::vector<Statement> layOutJob(const OperationTable& table, const JobOptions& options)
{
    return layOutJob(std::vector<OperationTable>{table}, options);
}

} // namespace print
