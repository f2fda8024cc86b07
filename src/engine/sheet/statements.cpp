// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/statements.h"

#include <ostream>

namespace print {

Statement Statement::item(std::string text, Separator after)
{
    return {Kind::Item, std::move(text), after, 0, 0, 0, {}, {}};
}

Statement Statement::firstLine(std::string text, Separator after)
{
    Statement s = item(std::move(text), after);
    s.firstLineOnly = true;
    return s;
}

Statement Statement::fontName(std::string name)
{
    return {Kind::FontName, std::move(name), Separator::None, 0, 0, 0, {}, {}};
}

Statement Statement::fontSize(int points)
{
    return {Kind::FontSize, {}, Separator::None, points, 0, 0, {}, {}};
}

Statement Statement::newPage()
{
    return {Kind::NewPage, {}, Separator::None, 0, 0, 0, {}, {}};
}

Statement Statement::endDocument()
{
    return {Kind::EndDocument, {}, Separator::None, 0, 0, 0, {}, {}};
}

Statement Statement::moveTo(double fraction)
{
    Statement s{Kind::MoveTo, {}, Separator::None, 0, 0, 0, {}, {}};
    s.fraction = fraction;
    return s;
}

Statement Statement::fitFontSize(int largest, int smallest, double fraction,
                                 std::vector<std::string> lines)
{
    Statement s{Kind::FitFontSize, {}, Separator::None, largest, 0, 0, {}, {}};
    s.smallestPoints = smallest;
    s.fraction = fraction;
    s.lines = std::move(lines);
    return s;
}

Statement Statement::writeLine(double fraction)
{
    Statement s{Kind::WriteLine, {}, Separator::None, 0, 0, 0, {}, {}};
    s.fraction = fraction;
    return s;
}

Statement Statement::columnSheets(std::shared_ptr<const ColumnPart> part)
{
    Statement s{Kind::ColumnSheets, {}, Separator::None, 0, 0, 0, {}, {}};
    s.columns = std::move(part);
    return s;
}

Statement Statement::foot(std::string text)
{
    return {Kind::Foot, std::move(text), Separator::None, 0, 0, 0, {}, {}};
}

std::string describe(const Statement& statement)
{
    switch (statement.kind) {
    case Statement::Kind::Item: {
        const char* after = statement.after == Separator::None        ? "none"
                            : statement.after == Separator::Zone      ? "zone"
                            : statement.after == Separator::LabelZone ? "label zone"
                                                                      : "end of line";
        return std::string(statement.firstLineOnly ? "first line" : "item") + "(\"" +
               statement.text + "\", " + after + ")";
    }
    case Statement::Kind::FontName:
        return "font(\"" + statement.text + "\")";
    case Statement::Kind::FontSize:
        return "size(" + std::to_string(statement.points) + ")";
    case Statement::Kind::NewPage:
        return "new page";
    case Statement::Kind::EndDocument:
        return "end document";
    case Statement::Kind::MoveTo:
        return "move to(" + std::to_string(statement.fraction) + ")";
    case Statement::Kind::ColumnSheets:
        return "column sheets";
    case Statement::Kind::Foot:
        return "foot(\"" + statement.text + "\")";
    case Statement::Kind::WriteLine:
        return "write line to(" + std::to_string(statement.fraction) + ")";
    case Statement::Kind::FitFontSize:
        return "fit size(" + std::to_string(statement.points) + " to " +
               std::to_string(statement.smallestPoints) + ", " +
               std::to_string(statement.fraction) + ", " + std::to_string(statement.lines.size()) +
               " lines)";
    }
    return "?";
}

void PrintTo(const Statement& statement, std::ostream* out)
{
    *out << describe(statement);
}

} // namespace print
