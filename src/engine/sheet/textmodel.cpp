// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/textmodel.h"

#include "engine/numbers/result.h"
#include "engine/sheet/characters.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace print {

namespace {

// Room to spare when comparing measured widths, so that a text that fits exactly fits.
constexpr double WidthTolerance = 1e-6;
constexpr double PositionTolerance = 1e-9;
// No character is narrower than this share of the font's average width (a blank is about
// half of it), so a line never holds more characters than the room divided by it: longer
// texts are measured only up to there, and wrapping costs time in proportion to the text.
constexpr double NarrowestCharacter = 0.25;

// A line's share of an item: bytes [begin, end) of its text, their width, and where a line
// after the first starts.
struct Segment {
    std::size_t begin = 0;
    std::size_t end = 0;
    double width = 0;
    double x = 0;
};

// How an item is broken into lines: perhaps a line feed first (the line already holds
// something and not even the first word fits after it), then one segment a line.
struct Wrap {
    bool feedFirst = false;
    std::vector<Segment> segments;
};

class Placer {
public:
    Placer(const PrintArea& area, const TextMeasure& measure)
        : m_area(area), m_measure(measure), m_font(initialFont())
    {
        fontChanged();
    }

    PlacedSheets run(const std::vector<Statement>& statements)
    {
        for (const Statement& s : statements) {
            switch (s.kind) {
            case Statement::Kind::Item:
                item(s.text, s.after, s.firstLineOnly);
                break;
            case Statement::Kind::FontName:
                m_font.family = s.text;
                fontChanged();
                break;
            case Statement::Kind::FontSize:
                m_font.points = s.points;
                fontChanged();
                break;
            case Statement::Kind::NewPage:
                m_pagePending = true;
                break;
            case Statement::Kind::MoveTo:
                moveTo(s.fraction);
                break;
            case Statement::Kind::WriteLine:
                writeLine(s.fraction);
                break;
            case Statement::Kind::ColumnSheets:
                if (s.columns)
                    columnSheets(*s.columns);
                break;
            case Statement::Kind::FitFontSize:
                m_font.points = fittingSize(s);
                fontChanged();
                break;
            case Statement::Kind::Foot:
                m_foot = s.text;
                if (!m_pagePending)
                    m_sheetFoot = m_foot;
                break;
            case Statement::Kind::EndDocument:
                return finish();
            }
        }
        return finish();
    }

private:
    PlacedSheets finish()
    {
        placeFoot();
        m_out.sheets = m_sheet + 1;
        m_out.lastSheet = m_sheet;
        m_out.lastY = m_y;
        return std::move(m_out);
    }

    void fontChanged() { m_metrics = m_measure.metrics(m_font); }

    void startSheet()
    {
        placeFoot();
        m_sheetFoot = m_foot;
        ++m_sheet;
        m_x = 0;
        m_y = 0;
    }

    // The current sheet's foot, at the bottom of the printable area: placed when the sheet
    // is left, so the texts stay in the order of their sheets.
    void placeFoot()
    {
        if (m_sheetFoot.empty())
            return;
        const FontChoice font{FootFont, FootPoints};
        const FontMetrics metrics = m_measure.metrics(font);
        const double width = m_measure.width(font, m_sheetFoot);
        m_out.texts.push_back({m_sheet, std::max(0.0, (m_area.width - width) / 2),
                               m_area.height - (metrics.height - metrics.ascent), font,
                               m_sheetFoot});
    }

    // Where the current sheet's room for text and squares ends: above its foot, if it has
    // one.
    double bottom() const
    {
        if (m_sheetFoot.empty())
            return m_area.height;
        return m_area.height - m_measure.metrics({FootFont, FootPoints}).lineSpacing;
    }

    void item(const std::string& text, Separator after, bool firstLineOnly = false)
    {
        if (m_pagePending) {
            m_pagePending = false;
            startSheet();
        }
        ensureRoom();
        if (!text.empty()) {
            const Wrap& wrap = wrapOf(text);
            if (wrap.feedFirst) {
                lineFeed();
                ensureRoom();
            }
            const std::size_t lines = firstLineOnly ? std::min<std::size_t>(1, wrap.segments.size())
                                                    : wrap.segments.size();
            for (std::size_t i = 0; i < lines; ++i) {
                if (i > 0) {
                    lineFeed();
                    ensureRoom();
                }
                const Segment& part = wrap.segments[i];
                if (i > 0)
                    m_x = part.x;
                m_out.texts.push_back({m_sheet, m_x, m_y + m_metrics.ascent, m_font,
                                       text.substr(part.begin, part.end - part.begin)});
                m_x += part.width;
            }
        }
        switch (after) {
        case Separator::None:
            break;
        case Separator::Zone:
        case Separator::LabelZone: {
            const double zone = ZoneCharacters * m_metrics.averageCharWidth;
            double next = (std::floor(m_x / zone + PositionTolerance) + 1.0) * zone;
            if (after == Separator::LabelZone && m_x < LabelZone * zone - PositionTolerance)
                next = LabelZone * zone;
            if (next >= m_area.width)
                lineFeed();
            else
                m_x = next;
            break;
        }
        case Separator::EndOfLine:
            lineFeed();
            break;
        }
    }

    // The lines of an item that starts at the current position. A text that fits is
    // measured once; a longer one is broken, and the breaks are kept, because the same
    // heading comes back at the same place on every copy.
    const Wrap& wrapOf(const std::string& text)
    {
        m_single.feedFirst = false;
        m_single.segments.clear();
        const double room = m_area.width - m_x + WidthTolerance;
        if (characterCount(text) <= lineCharacterLimit(room)) {
            const double width = m_measure.width(m_font, text);
            if (width <= room) {
                m_single.segments.push_back({0, text.size(), width});
                return m_single;
            }
        }
        auto key = std::make_tuple(m_font.family, m_font.points, m_x, text);
        auto found = m_wraps.find(key);
        if (found == m_wraps.end())
            found = m_wraps.emplace(std::move(key), breakIntoLines(text)).first;
        return found->second;
    }

    // The lines after the first start where the first line's text starts, after the
    // item's leading blanks (a heading's indent), unless not even a character fits there.
    Wrap breakIntoLines(std::string_view text) const
    {
        Wrap wrap;
        double x = m_x;
        const std::size_t lead = std::min(text.find_first_not_of(' '), text.size());
        const double indent = lead == 0 ? 0 : m_measure.width(m_font, text.substr(0, lead));
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::string_view rest = text.substr(pos);
            // A line after the first holds nothing before its indent.
            const bool empty = x == 0 || !wrap.segments.empty();
            std::size_t fits = fittingLength(rest, x, empty);
            if (fits == 0 && wrap.segments.empty()) {
                wrap.feedFirst = true;
                x = 0;
                continue;
            }
            if (fits == 0) {
                x = 0;
                fits = fittingLength(rest, x, true);
            }
            const double width = m_measure.width(m_font, rest.substr(0, fits));
            if (wrap.segments.empty())
                x += indent; // where the first line's text starts
            wrap.segments.push_back({pos, pos + fits, width, x});
            // The blanks the line was broken at are not carried over.
            pos += fits;
            while (pos < text.size() && text[pos] == ' ')
                ++pos;
        }
        return wrap;
    }

    std::size_t lineCharacterLimit(double room) const
    {
        const double narrowest = NarrowestCharacter * m_metrics.averageCharWidth;
        if (narrowest <= 0)
            return std::size_t(-1);
        return static_cast<std::size_t>(std::max(0.0, room / narrowest)) + 1;
    }

    // How many bytes of `text` fit between `x` and the right edge: all of it, or up to the
    // last blank that leaves a fitting part; on a line that holds nothing else a word wider
    // than the room is cut after its last fitting character (at least one, never inside a
    // character). Zero when the line already holds something and not even the first word
    // fits after it.
    std::size_t fittingLength(std::string_view text, double x, bool emptyLine) const
    {
        const double room = m_area.width - x + WidthTolerance;
        // Only the characters that could stand on one line are ever measured.
        std::vector<std::size_t> ends; // byte offset after each character
        const std::size_t limit = lineCharacterLimit(room);
        for (std::size_t i = 0; i < text.size() && ends.size() < limit;) {
            i += characterLength(text, i);
            ends.push_back(i);
        }
        const std::string_view window = text.substr(0, ends.empty() ? 0 : ends.back());
        if (window.size() == text.size() && m_measure.width(m_font, text) <= room)
            return text.size();

        const std::size_t firstWord =
            std::min(text.size(), std::size_t(std::find_if(window.begin(), window.end(),
                                                           [](char c) { return !isBlank(c); }) -
                                              window.begin()));
        std::size_t atBlank = 0;
        for (std::size_t i = window.find(' ', 1); i != std::string_view::npos;
             i = window.find(' ', i + 1)) {
            if (m_measure.width(m_font, window.substr(0, i)) > room)
                break;
            if (firstWord < i)
                atBlank = i;
        }
        if (atBlank > 0 || !emptyLine)
            return atBlank;

        // The longest prefix of whole characters that fits, one character at the least.
        std::size_t lo = 1;
        std::size_t hi = ends.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi + 1) / 2;
            if (m_measure.width(m_font, window.substr(0, ends[mid - 1])) <= room)
                lo = mid;
            else
                hi = mid - 1;
        }
        return ends.empty() ? text.size() : ends[lo - 1];
    }

    // A line that does not fit goes on to the next sheet, at the same position; a sheet too
    // short for even one line takes it anyway.
    void ensureRoom()
    {
        if (m_y > 0 && m_y + m_metrics.height > bottom()) {
            const double x = m_x;
            startSheet();
            m_x = x;
        }
    }

    void moveTo(double fraction)
    {
        const double target = fraction * m_area.width;
        if (m_x >= target - PositionTolerance)
            lineFeed();
        m_x = target;
    }

    void writeLine(double fraction)
    {
        if (m_pagePending) {
            m_pagePending = false;
            startSheet();
        }
        const double from = m_x;
        moveTo(fraction);
        ensureRoom();
        // Half way down the descenders: below the baseline, clear of the next line.
        const double y = m_y + (m_metrics.ascent + m_metrics.height) / 2;
        m_out.rules.push_back({m_sheet, m_x > from ? from : 0.0, m_x, y});
    }

    void columnSheets(const ColumnPart& part)
    {
        if (m_pagePending) {
            m_pagePending = false;
            startSheet();
        }
        const double perMm = m_area.unitsPerMm;
        if (perMm <= 0)
            return;
        ColumnRequest request = part.request;
        request.width = m_area.width / perMm;
        request.height = bottom() / perMm;
        // A further sheet's opening, placed once and copied onto each further sheet.
        PlacedSheets opening;
        if (!part.furtherOpening.empty()) {
            std::vector<Statement> statements = part.furtherOpening;
            statements.push_back(Statement::endDocument());
            opening = Placer(m_area, m_measure).run(statements);
        }
        const double furtherTop = opening.lastSheet == 0 ? opening.lastY / perMm : 0;
        ColumnDocument document = layOutColumns(part.table, request, {m_y / perMm}, furtherTop);
        if (!document.problem.empty() && m_out.problem.empty())
            m_out.problem = document.problem;
        for (ColumnSheet& sheet : document.sheets) {
            if (sheet.continued) {
                startSheet();
                if (furtherTop > 0) {
                    for (PlacedText text : opening.texts) {
                        text.sheet = m_sheet;
                        m_out.texts.push_back(std::move(text));
                    }
                    for (PlacedRule rule : opening.rules) {
                        rule.sheet = m_sheet;
                        m_out.rules.push_back(rule);
                    }
                }
            }
            std::vector<std::string> lines;
            lines.reserve(sheet.boxes.size());
            for (const ColumnBox& box : sheet.boxes)
                lines.push_back(lineOf(part, box.group, box.line));
            m_out.columnSheets.push_back(
                {m_sheet, std::move(sheet), part.request.answerKey, std::move(lines)});
        }
        // The squares fill the sheet.
        m_x = 0;
        m_y = bottom();
    }

    // An operation's exercise line, or on the key its line with the result as the key
    // writes it.
    static std::string lineOf(const ColumnPart& part, int group, int line)
    {
        const core::Operation* operation = part.table.at(group, line);
        if (part.request.answerKey && operation)
            if (std::optional<std::string> keyed =
                    core::keyLine(*operation, part.request.window.result))
                return *keyed;
        return part.table.line(group, line);
    }

    int fittingSize(const Statement& s) const
    {
        const double room = s.fraction * m_area.width + WidthTolerance;
        FontChoice font = m_font;
        for (int points = s.points; points > s.smallestPoints; --points) {
            font.points = points;
            const bool fits =
                std::all_of(s.lines.begin(), s.lines.end(), [&](const std::string& line) {
                    return m_measure.width(font, line) <= room;
                });
            if (fits)
                return points;
        }
        return s.smallestPoints;
    }

    void lineFeed()
    {
        m_x = 0;
        m_y += m_metrics.lineSpacing;
    }

    const PrintArea& m_area;
    const TextMeasure& m_measure;
    FontChoice m_font;
    FontMetrics m_metrics;
    double m_x = 0;
    double m_y = 0;
    int m_sheet = 0;
    bool m_pagePending = false;
    std::string m_foot;      // the foot in force, for the sheets started from now on
    std::string m_sheetFoot; // the current sheet's foot
    PlacedSheets m_out;
    Wrap m_single;
    std::map<std::tuple<std::string, int, double, std::string>, Wrap> m_wraps;
};

} // namespace

FontChoice initialFont()
{
    return {"Arial", 10};
}

PlacedSheets placeStatements(const std::vector<Statement>& statements, const PrintArea& area,
                             const TextMeasure& measure)
{
    return Placer(area, measure).run(statements);
}

CopySize copySize(const PlacedSheets& placed)
{
    // A copy is its first squared sheet and the further ones that go on from it.
    CopySize size;
    std::vector<int> sheetsOfCopies;
    for (const PlacedColumnSheet& placedSheet : placed.columnSheets) {
        if (placedSheet.answerKey)
            continue;
        const ColumnSheet& sheet = placedSheet.content;
        if (!sheet.continued || sheetsOfCopies.empty())
            sheetsOfCopies.push_back(0);
        ++sheetsOfCopies.back();
        if (sheetsOfCopies.size() == 1)
            size.operations += static_cast<int>(sheet.boxes.size());
    }
    if (!sheetsOfCopies.empty()) {
        const auto [fewest, most] =
            std::minmax_element(sheetsOfCopies.begin(), sheetsOfCopies.end());
        size.sheets = *fewest;
        size.mostSheets = *most;
    }
    return size;
}

} // namespace print
