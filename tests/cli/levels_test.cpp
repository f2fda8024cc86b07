// SPDX-License-Identifier: GPL-3.0-or-later
// Every difficulty level a kind offers, asked for on the command line: each line it writes,
// read back from its text, keeps its window's rule and its level, counted by the conformance
// run's own arithmetic.
#include "cli/commandline.h"
#include "conformance/linechecks.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Thirty seeds, 300 lines, for every pair.
constexpr int SeedsPerPair = 30;

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

TEST(CommandLineLevels, EveryOfferedLevelHoldsOnEveryLineItWrites)
{
    const std::vector<conformance::LevelPair> pairs = conformance::offeredLevelPairs();
    EXPECT_GT(pairs.size(), 150u);
    for (const conformance::LevelPair& pair : pairs) {
        const catalog::Generator& g = *pair.generator;
        QStringList arguments{"zelmorio", "--righe", text(g.window->range)};
        if (!g.kind.empty())
            arguments << text(g.kind);
        for (const auto& [name, value] : pair.written)
            arguments << "--" + text(name) << text(value);
        for (int seed = 1; seed <= SeedsPerPair; ++seed) {
            std::ostringstream out, err;
            const QStringList asked = arguments + QStringList{"--seme", QString::number(seed)};
            const std::string call = asked.join(' ').toStdString();
            ASSERT_EQ(app::runCommand(asked, out, err), 0) << call << "\n" << err.str();
            std::istringstream lines(out.str());
            int position = 0;
            for (std::string line; std::getline(lines, line); ++position) {
                const auto operation = testsupport::operationOf(line);
                ASSERT_TRUE(operation) << call << ": " << line;
                EXPECT_EQ(pair.check(position, *operation), "") << call << ": " << line;
            }
            EXPECT_EQ(position, 10) << call;
        }
    }
}
