// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/titles.h"

namespace cases {

std::string_view caption(int caseNumber)
{
    static constexpr std::string_view Captions[CaseCount] = {
        "I caso", "II caso", "III caso", "IV caso", "V caso",
    };
    if (caseNumber < 1 || caseNumber > CaseCount)
        return {};
    return Captions[caseNumber - 1];
}

std::string_view title(int caseNumber)
{
    static constexpr std::string_view Titles[CaseCount] = {
        "I caso: dividendo decimale, divisore intero",
        "II caso: dividendo decimale e minore del divisore, divisore intero",
        "III caso: dividendo intero, divisore decimale",
        "IV caso: dividendo e divisore decimali",
        "V caso: dividendo e divisore interi, risultato decimale",
    };
    if (caseNumber < 1 || caseNumber > CaseCount)
        return {};
    return Titles[caseNumber - 1];
}

std::string_view divisorCaption()
{
    return "Divisore";
}

const std::vector<DivisorOption>& divisorOptions()
{
    static const std::vector<DivisorOption> options = {
        {"1 cifra", "1", DivisorChoice::OneDigit},
        {"2 cifre", "2", DivisorChoice::TwoDigits},
        {"Misto", "misto", DivisorChoice::Mixed},
    };
    return options;
}

} // namespace cases
