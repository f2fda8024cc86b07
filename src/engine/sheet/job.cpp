// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/job.h"

#include "engine/sheet/columnsheet.h"

#include <memory>

namespace print {

namespace {

std::vector<Statement> columnJob(const OperationTable& table, const JobOptions& options)
{
    auto part = [&](bool answerKey) {
        auto made = std::make_shared<ColumnPart>();
        made->table = table;
        made->request.layout = options.layout;
        made->request.square = squareOf(options.form);
        if (options.window)
            made->request.window = *options.window;
        made->request.answerKey = answerKey;
        made->furtherOpening =
            answerKey ? furtherSheetOpening(keyHeading(options.heading, options.levels), false)
                      : furtherSheetOpening(options.heading, options.layout.nameLine);
        return made;
    };
    std::vector<Statement> out;
    const std::shared_ptr<const ColumnPart> sheet = part(false);
    for (int n = 1; n <= options.copies; ++n) {
        sheetOpening(out, options.heading, options.layout.nameLine);
        out.push_back(Statement::columnSheets(sheet));
        out.push_back(Statement::newPage());
    }
    if (options.answerKey) {
        sheetOpening(out, keyHeading(options.heading, options.levels), false);
        out.push_back(Statement::columnSheets(part(true)));
        out.push_back(Statement::newPage());
    }
    out.push_back(Statement::endDocument());
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

std::vector<Statement> layOutJob(const OperationTable& table, const JobOptions& options)
{
    if (options.form != SheetForm::Rows)
        return columnJob(table, options);
    std::vector<Statement> out = layOut(table, options.layout, options.heading, options.copies);
    if (options.answerKey) {
        out.pop_back(); // the end of the document comes after the key
        std::vector<Statement> key =
            layOutKey(table, options.layout, options.window, options.heading, options.levels);
        out.insert(out.end(), std::make_move_iterator(key.begin()),
                   std::make_move_iterator(key.end()));
        out.push_back(Statement::endDocument());
    }
    return out;
}

} // namespace print
