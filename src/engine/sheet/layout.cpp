// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/layout.h"

#include "engine/numbers/result.h"
#include "engine/sheet/characters.h"

#include <algorithm>

namespace print {

namespace {

const std::string LabelIndent(3, ' ');
const std::string LeftIndent(8, ' ');
const std::string RightIndent(5, ' ');
const std::string HeadingIndent(2, ' ');

// A control character (a line break pasted or passed in, a tab) prints as a blank, so that
// the words around it stay apart.
std::string printable(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1)
            ++i;
        out += c < 0x20 || c == 0x7F || c1 ? ' ' : text[i];
    }
    return out;
}

std::string trimmed(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

void endLine(std::vector<Statement>& out, std::string text)
{
    out.push_back(Statement::item(std::move(text), Separator::EndOfLine));
}

} // namespace

namespace {

// The name line, in the body font: each word followed by its line to write on.
void nameLineOf(std::vector<Statement>& out)
{
    out.push_back(Statement::fontSize(BodyPoints));
    for (const NameField& field : NameFields) {
        out.push_back(
            Statement::item(HeadingIndent + std::string(field.word) + ' ', Separator::None));
        out.push_back(Statement::writeLine(field.lineEnd));
    }
    endLine(out, "");
}

} // namespace

void sheetOpening(std::vector<Statement>& out, const std::string& heading, bool nameLine)
{
    endLine(out, "");
    out.push_back(Statement::fontName(std::string(HeadingFont)));
    out.push_back(Statement::fontSize(HeadingPoints));
    endLine(out, HeadingIndent + printable(heading));
    out.push_back(Statement::fontName(std::string(BodyFont)));
    if (nameLine) {
        out.push_back(Statement::fontSize(SpacerPoints));
        endLine(out, "");
        nameLineOf(out);
    }
    out.push_back(Statement::fontSize(SpacerPoints));
    endLine(out, "");
}

std::vector<Statement> furtherSheetOpening(const std::string& heading, bool nameLine)
{
    std::vector<Statement> out;
    out.push_back(Statement::fontName(std::string(HeadingFont)));
    out.push_back(Statement::fontSize(FurtherHeadingPoints));
    out.push_back(Statement::firstLine(HeadingIndent + printable(heading), Separator::EndOfLine));
    out.push_back(Statement::fontName(std::string(BodyFont)));
    if (nameLine)
        nameLineOf(out);
    out.push_back(Statement::fontSize(SpacerPoints));
    endLine(out, "");
    return out;
}

namespace {

void oneColumnGroup(std::vector<Statement>& out, const OperationTable& table, int k)
{
    endLine(out, LabelIndent + std::to_string(k) + ")");
    for (int j = 1; j <= LinesPerGroup; ++j)
        endLine(out, LeftIndent + table.line(2 * k - 1, j));
}

void twoColumnGroups(std::vector<Statement>& out, const OperationTable& table, int k)
{
    // The second label sits two zones on (zone LabelZone), with no blanks before it.
    out.push_back(Statement::item(LabelIndent + std::to_string(2 * k - 1) + ")", Separator::Zone));
    out.push_back(Statement::item("", Separator::Zone));
    endLine(out, std::to_string(2 * k) + ")");
    for (int j = 1; j <= LinesPerGroup; ++j) {
        const std::string left = table.line(2 * k - 1, j);
        const Separator between =
            characterCount(left) > LongLeftLine ? Separator::None : Separator::LabelZone;
        out.push_back(Statement::item(LeftIndent + left, between));
        endLine(out, RightIndent + table.line(2 * k, j));
    }
}

} // namespace

std::vector<Statement> layOut(const OperationTable& table, const LayoutOptions& options,
                              const std::string& heading, int copies)
{
    std::vector<Statement> out;
    for (int n = 1; n <= copies; ++n) {
        // In the printer's initial font on the first copy, in the body font afterwards.
        sheetOpening(out, heading, options.nameLine);
        out.push_back(Statement::fontSize(BodyPoints));
        for (int k = 1; k <= options.groupCount; ++k) {
            if (options.columns == Columns::One)
                oneColumnGroup(out, table, k);
            else
                twoColumnGroups(out, table, k);
        }
        out.push_back(Statement::newPage());
    }
    out.push_back(Statement::endDocument());
    return out;
}

std::string keyHeading(const std::string& heading, const std::string& levels, int copy)
{
    const std::string own = trimmed(printable(heading));
    std::string title(KeyHeading);
    if (copy > 0)
        title += " \u2013 copia " + std::to_string(copy);
    if (!own.empty() && own != DefaultHeading)
        title += " \u2013 " + own;
    if (!levels.empty())
        title += " (" + levels + ")";
    return title;
}

std::vector<Statement> layOutKey(const OperationTable& table, const LayoutOptions& options,
                                 const core::WindowEntry* window, const std::string& title)
{
    auto key = [&](int group, int line) {
        const core::Operation* operation = table.at(group, line);
        std::optional<std::string> keyed;
        if (window && operation)
            keyed = core::keyLine(*operation, window->result);
        return keyed ? std::move(*keyed) : table.line(group, line);
    };

    std::vector<Statement> out;
    sheetOpening(out, title, false);
    const std::size_t fitAt = out.size();
    std::vector<std::string> widest; // every line as printed, for the size to fit
    for (int k = 1; k <= options.groupCount; ++k) {
        if (options.columns == Columns::One) {
            endLine(out, LabelIndent + std::to_string(k) + ")");
            for (int j = 1; j <= LinesPerGroup; ++j) {
                std::string line = LeftIndent + key(2 * k - 1, j);
                widest.push_back(line);
                endLine(out, std::move(line));
            }
            continue;
        }
        out.push_back(
            Statement::item(LabelIndent + std::to_string(2 * k - 1) + ")", Separator::None));
        out.push_back(Statement::moveTo(KeyRightColumn));
        endLine(out, std::to_string(2 * k) + ")");
        for (int j = 1; j <= LinesPerGroup; ++j) {
            std::string left = LeftIndent + key(2 * k - 1, j);
            std::string right = RightIndent + key(2 * k, j);
            // A blank keeps the left line clear of the right column.
            widest.push_back(left + ' ');
            widest.push_back(right);
            out.push_back(Statement::item(std::move(left), Separator::None));
            out.push_back(Statement::moveTo(KeyRightColumn));
            endLine(out, std::move(right));
        }
    }
    const double width = options.columns == Columns::One ? 1.0 : KeyRightColumn;
    out.insert(
        out.begin() + std::ptrdiff_t(fitAt),
        Statement::fitFontSize(KeyLargestPoints, KeySmallestPoints, width, std::move(widest)));
    out.push_back(Statement::newPage());
    return out;
}

} // namespace print
