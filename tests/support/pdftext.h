// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Reads a printed PDF back with poppler's pdftotext, as a person would read the sheet.
namespace pdftext {

struct Word {
    int page = 0;     // from 1
    double x = 0;     // left edge, in points from the page's left edge
    double y = 0;     // top edge, in points
    double right = 0; // right edge, in points
    QString text;
    double bottom = 0; // bottom edge, in points
};

// Every word with its position (pdftotext -bbox).
std::vector<Word> words(const QString& pdf);

int pageCount(const QString& pdf);

// The text of one page in its physical layout (pdftotext -layout), one entry per line.
QStringList pageLines(const QString& pdf, int page);

// The words of one printed line: those of the page whose tops lie within a point of y.
std::vector<Word> lineAt(const std::vector<Word>& all, int page, double y);

} // namespace pdftext
