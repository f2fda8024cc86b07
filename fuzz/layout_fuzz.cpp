// SPDX-License-Identifier: GPL-3.0-or-later
// Any heading text (empty, very long, control characters, invalid or any UTF-8) with any
// options: the layout ends, prints the heading on every copy and loses no exercise line;
// the text model then places every piece inside the printable width and keeps every
// character of the heading, in order, with only blanks dropped at its breaks.
#include "check.h"

#include "engine/sheet/layout.h"
#include "engine/sheet/textmodel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace {

// Lines of different lengths, on both sides of the long-line threshold, each one unique.
const print::OperationTable& table()
{
    static const print::OperationTable t = [] {
        print::OperationTable made;
        for (int g = 1; g <= print::GroupsPerSheet; ++g)
            for (int j = 1; j <= print::LinesPerGroup; ++j)
                made.set(g, j,
                         core::operation(core::Operator::Plus,
                                         {core::plain(100 * g + j),
                                          core::WrittenNumber{
                                              std::string(static_cast<std::size_t>(j * 3), '9')}},
                                         core::ClosingScreen));
        return made;
    }();
    return t;
}

// Characters of uneven widths, like a real font's; a narrow sheet so that headings wrap.
class StandInMeasure : public print::TextMeasure {
public:
    double width(const print::FontChoice& font, std::string_view text) const override
    {
        double units = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80)
                units += 0.3 + (c % 7) * 0.2;
        return units * font.points;
    }
    print::FontMetrics metrics(const print::FontChoice& font) const override
    {
        const double p = font.points;
        return {0.9 * p, 0.9 * p, 1.2 * p, 1.3 * p};
    }
};

// The heading as the sheet shows it, blanks left out: control characters print as blanks.
std::string withoutBlanks(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F)
            ++i;
        else if (c > ' ' && c != 0x7F)
            out += text[i];
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    const std::string heading(reinterpret_cast<const char*>(data) + 1, size - 1);
    print::LayoutOptions layout;
    layout.groupCount = 1 + options % 4;
    layout.columns = (options >> 2) & 1 ? print::Columns::Two : print::Columns::One;
    const int copies = 1 + (options >> 3) % 3;

    const auto statements = print::layOut(table(), layout, heading, copies);
    FUZZ_CHECK(!statements.empty());
    FUZZ_CHECK(statements.back().kind == print::Statement::Kind::EndDocument);

    int pages = 0, headings = 0, ends = 0;
    bool headingNext = false;           // the heading is the item printed in the heading size
    std::map<std::string, int> printed; // exercise line -> times printed
    for (const print::Statement& s : statements) {
        pages += s.kind == print::Statement::Kind::NewPage;
        ends += s.kind == print::Statement::Kind::EndDocument;
        if (s.kind == print::Statement::Kind::FontSize)
            headingNext = s.points == print::HeadingPoints;
        if (s.kind != print::Statement::Kind::Item)
            continue;
        if (headingNext) {
            // Whatever the heading holds, it is printed whole, after its indent.
            FUZZ_CHECK(s.text.compare(0, 2, "  ") == 0);
            FUZZ_CHECK(withoutBlanks(s.text) == withoutBlanks(heading));
            ++headings;
            headingNext = false;
            continue;
        }
        const auto start = s.text.find_first_not_of(' ');
        if (start != std::string::npos && s.text.find(" = ") != std::string::npos)
            ++printed[s.text.substr(start)];
    }
    FUZZ_CHECK(ends == 1);
    FUZZ_CHECK(pages == copies);
    FUZZ_CHECK(headings == copies);

    // One column prints groups 1, 3, 5, 7; two columns groups 1 to 2 x groupCount.
    for (int g = 1; g <= print::GroupsPerSheet; ++g) {
        const bool shown = layout.columns == print::Columns::One
                               ? g % 2 == 1 && (g + 1) / 2 <= layout.groupCount
                               : g <= 2 * layout.groupCount;
        for (int j = 1; j <= print::LinesPerGroup; ++j) {
            const auto it = printed.find(table().line(g, j));
            const int times = it == printed.end() ? 0 : it->second;
            FUZZ_CHECK(times == (shown ? copies : 0));
        }
    }

    const StandInMeasure measure;
    const print::PrintArea area{2000, 3000};
    const print::PlacedSheets placed = print::placeStatements(statements, area, measure);
    std::string headingsPrinted;
    for (const print::PlacedText& t : placed.texts) {
        FUZZ_CHECK(t.sheet >= 0 && t.sheet < placed.sheets);
        FUZZ_CHECK(!t.text.empty());
        // A piece passes the right edge only when it is a single character cut from a word.
        const bool oneCharacter = std::count_if(t.text.begin(), t.text.end(), [](char c) {
                                      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                                  }) <= 1;
        FUZZ_CHECK(oneCharacter || t.x + measure.width(t.font, t.text) <= area.width + 1e-6);
        if (t.font.points == print::HeadingPoints)
            headingsPrinted += t.text;
    }
    std::string expected;
    for (int n = 0; n < copies; ++n)
        expected += withoutBlanks(heading);
    FUZZ_CHECK(withoutBlanks(headingsPrinted) == expected);
    FUZZ_CHECK(placed.sheets >= copies);
    return 0;
}
