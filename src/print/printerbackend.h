// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/statements.h"

#include <QFont>

#include <vector>

class QPagedPaintDevice;

namespace print {

// The font a sheet starts in, before the first statement changes it: the first copy's
// opening empty line is measured with it.
QFont initialPrinterFont();

// Carries out print statements with a QPainter on any paged device, with the text model of
// a line printer: items continue at the current position; a zone advance moves to the next
// print zone (fourteen average character widths of the current font, counted from the left
// margin); an end of line feeds by the current font's line spacing; a move goes to a
// fraction of the printable width (on the next line when the position has reached it); a
// fitted font size is measured on the device itself. A new page takes effect
// only when something is printed after it, so the last one leaves no blank sheet; a line
// that would reach below the printable area goes to the top of the next sheet.
// Returns false when the device refuses to paint or to start a new sheet.
bool printStatements(const std::vector<Statement>& statements, QPagedPaintDevice& device);

} // namespace print
