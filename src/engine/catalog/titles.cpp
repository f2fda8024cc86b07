// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/titles.h"

#include "engine/catalog/checks.h"

#include <string>

namespace cases {

namespace {

// Each case: its caption, and what sets it apart, as the window's title and the cases menu
// both say it.
struct CaseText {
    std::string_view caption;
    std::string_view description;
};
constexpr CaseText Cases[CaseCount] = {
    {"I caso", "dividendo decimale, divisore intero"},
    {"II caso", "dividendo decimale e minore del divisore, divisore intero"},
    {"III caso", "dividendo intero, divisore decimale"},
    {"IV caso", "dividendo e divisore decimali"},
    {"V caso", "dividendo e divisore interi, risultato decimale"},
};

bool known(int caseNumber)
{
    return caseNumber >= 1 && caseNumber <= CaseCount;
}

// The texts made from the table once, for string views that hold for the whole run.
struct Made {
    std::string titles[CaseCount];
    std::string descriptions[CaseCount];
};

const Made& made()
{
    static const Made texts = [] {
        Made m;
        for (int i = 0; i < CaseCount; ++i) {
            const CaseText& c = Cases[i];
            m.titles[i] = std::string(c.caption) + ": " + std::string(c.description);
            // The descriptions start lower-case; the menu shows them as sentences.
            m.descriptions[i] = catalog::sentence(c.description);
        }
        return m;
    }();
    return texts;
}

} // namespace

std::string_view caption(int caseNumber)
{
    return known(caseNumber) ? Cases[caseNumber - 1].caption : std::string_view();
}

std::string_view title(int caseNumber)
{
    return known(caseNumber) ? std::string_view(made().titles[caseNumber - 1]) : std::string_view();
}

std::string_view menuDescription(int caseNumber)
{
    return known(caseNumber) ? std::string_view(made().descriptions[caseNumber - 1])
                             : std::string_view();
}

} // namespace cases
