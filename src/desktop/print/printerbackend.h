// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/statements.h"
#include "engine/sheet/textmodel.h"

#include <vector>

class QPagedPaintDevice;
class QPaintDevice;

namespace print {

// Prints statements with a QPainter on any paged device: the text model decides where
// every piece of text lands, measured with the device's own fonts, and this draws them,
// starting a new sheet of the device wherever the model does.
// Returns false when the device refuses to paint or to start a new sheet.
// Where the statements land on the device's sheets, measured with its fonts.
PlacedSheets placeOn(const std::vector<Statement>& statements, QPaintDevice& device);

// With `size`, also tells what the job's first copy in column form holds.
bool printStatements(const std::vector<Statement>& statements, QPagedPaintDevice& device,
                     CopySize* size = nullptr);

} // namespace print
