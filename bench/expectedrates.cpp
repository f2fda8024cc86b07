// SPDX-License-Identifier: GPL-3.0-or-later
#include "expectedrates.h"

#include <map>

// The integer figures are exact counts of the accepted draws over all equally likely draws
// of each acceptance test (a mixed set weighs its blocks by their sizes); the decimal and
// case figures are the acceptance rates stated with their rules, turned into attempts.
std::string impliedAttemptsPerLine(const std::string& generator)
{
    static const std::map<std::string, std::string> table = {
        {"integer/500/+2", "2.18"},
        {"integer/999/+2", "2.11"},
        {"integer/9999/+2", "2.12"},
        {"integer/99999/+2", "2.01"},
        {"integer/999999/+2", "2.05"},
        {"integer/500/+3", "8.80"},
        {"integer/999/+3", "7.23"},
        {"integer/9999/+3", "6.31"},
        {"integer/99999/+3", "6.09"},
        {"integer/999999/+3", "6.06"},
        {"integer/500/-", "5.50"},
        {"integer/999/-", "2.38"},
        {"integer/9999/-", "2.02"},
        {"integer/99999/-", "2.02"},
        {"integer/999999/-", "2.02"},
        {"integer/500/x", "1.83"},
        {"integer/999/x1", "6.63"},
        {"integer/999/x2", "88.23"},
        {"integer/9999/x1", "6.07"},
        {"integer/9999/x2", "6.64"},
        {"integer/99999/x1", "6.07"},
        {"integer/99999/x2", "5.57"},
        {"integer/99999/x3", "87.94"},
        {"integer/999999/x1", "5.85"},
        {"integer/999999/x2", "5.46"},
        {"integer/999999/x3", "55.77"},
        {"integer/500/:2", "1.45"},
        {"integer/500/:3", "2.14"},
        {"integer/999/:", "1.30"},
        {"integer/999/:2", "1.38"},
        {"integer/9999/:", "1.43"},
        {"integer/9999/:2", "1.38"},
        {"integer/99999/:", "1.43"},
        {"integer/99999/:2", "1.38"},
        {"integer/999999/:", "1.43"},
        {"integer/999999/:2", "1.38"},
        {"integer/500/m", "3.76"},
        {"integer/999/m", "11.60"},
        {"integer/9999/m", "3.22"},
        {"integer/99999/m", "11.59"},
        {"integer/999999/m", "8.34"},
        // about 67, 39, 82, 59 and 98 to 99.9 per cent within 999
        {"decimal/dec999/+", "≈ 1.5"},
        {"decimal/dec999/-", "≈ 2.6"},
        {"decimal/dec999/x", "≈ 1.2"},
        {"decimal/dec999/x10", "≈ 1.7"},
        {"decimal/dec999/:10", "1.00–1.02"},
        // about 46, 31, 0.6, 25 and 98 to 99.9 per cent within 9,999
        {"decimal/dec9999/+", "≈ 2.2"},
        {"decimal/dec9999/-", "≈ 3.2"},
        {"decimal/dec9999/x", "≈ 170"},
        {"decimal/dec9999/x10", "≈ 4"},
        {"decimal/dec9999/:10", "1.00–1.02"},
        // case I 62 to 75 per cent by option, II 23 (one digit) to 41 (two digits),
        // III about 70, IV 74 to 76, V 69 to 80
        {"cases/1/one-digit", "1.33–1.60"},
        {"cases/1/two-digit", "1.33–1.60"},
        {"cases/1/mixed", "1.33–1.60"},
        {"cases/2/one-digit", "≈ 4.3"},
        {"cases/2/two-digit", "≈ 2.4"},
        {"cases/2/mixed", "2.4–4.3"},
        {"cases/3/one-digit", "≈ 1.4"},
        {"cases/3/two-digit", "≈ 1.4"},
        {"cases/3/mixed", "≈ 1.4"},
        {"cases/4/one-digit", "1.31–1.35"},
        {"cases/4/two-digit", "1.31–1.35"},
        {"cases/4/mixed", "1.31–1.35"},
        {"cases/5/one-digit", "1.25–1.45"},
        {"cases/5/two-digit", "1.25–1.45"},
        {"cases/5/mixed", "1.25–1.45"},
    };
    const auto it = table.find(generator);
    return it == table.end() ? std::string() : it->second;
}
