// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/job.h"

namespace print {

std::vector<Statement> layOutJob(const OperationTable& table, const JobOptions& options)
{
    std::vector<Statement> out = layOut(table, options.layout, options.heading, options.copies);
    if (options.answerKey) {
        out.pop_back(); // the end of the document comes after the key
        std::vector<Statement> key =
            layOutKey(table, options.layout, options.window, options.heading);
        out.insert(out.end(), std::make_move_iterator(key.begin()),
                   std::make_move_iterator(key.end()));
        out.push_back(Statement::endDocument());
    }
    return out;
}

} // namespace print
