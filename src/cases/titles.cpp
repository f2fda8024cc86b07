// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/titles.h"

#include "cases/rules.h"

namespace cases {

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

} // namespace cases
