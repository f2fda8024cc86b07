// SPDX-License-Identifier: GPL-3.0-or-later
// Any heading text (empty, very long, control characters, invalid or any UTF-8) with any
// options: the layout ends, prints the heading on every copy and loses no exercise line.
#include "check.h"

#include "print/layout.h"

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
                made.setLine(g, j,
                             "G" + std::to_string(g) + "L" + std::to_string(j) + " + " +
                                 std::string(static_cast<std::size_t>(j * 3), '9') + " = ");
        return made;
    }();
    return t;
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
            FUZZ_CHECK(s.text == "  " + heading);
            ++headings;
            headingNext = false;
            continue;
        }
        const auto start = s.text.find('G');
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
    return 0;
}
