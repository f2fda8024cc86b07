// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/windowtable.h"
#include "print/layout.h"
#include "print/statements.h"
#include "print/worksheet.h"

#include <string>
#include <vector>

// A whole print job as statements: what the dialog's OK, its preview, its PDF and the
// command line all print.
namespace print {

struct JobOptions {
    LayoutOptions layout;
    std::string heading;
    int copies = 1;
    bool answerKey = false;
    // The window whose rules made the table: the key writes its results in its number form.
    const core::WindowEntry* window = nullptr;
};

// The copies of the worksheet, then (with answerKey) the answer key once for the whole
// job, then the end of the document. Without the key: exactly layOut's statements.
std::vector<Statement> layOutJob(const OperationTable& table, const JobOptions& options);

} // namespace print
