// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a whole process against its two yardsticks, measured in turn in the
// same run: a bare Qt program's start-up (start to exit, after its first paint) and the
// in-process print job that writes thirty copies of an 80-operation sheet to PDF. The
// command pays besides for loading its fonts and for the answer key.
//
//   bench_cli ZELMORIO BARE [RUNS] [--table=FILE]
#include "support/benchtable.h"

#include "desktop/print/output.h"
#include "desktop/windows/ui.h"
#include "engine/rules/integer/rules.h"
#include "engine/sheet/job.h"
#include "engine/sheet/worksheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Start to exit of one run, its output thrown away; -1 when it fails.
double runProcess(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const long long start = monotonicNs();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(monotonicNs() - start);
}

// The job the dialog's PDF button runs: thirty copies of an 80-operation mixed sheet within
// 999, laid out and written to a PDF file, without the key.
double printJob(const QString& file)
{
    core::RandomSequence rng(8);
    print::OperationTable table;
    print::fillTable(*integer::recipe("999", "m", " ="), rng, table);
    QElapsedTimer clock;
    clock.start();
    print::JobOptions job{print::LayoutOptions{2, print::Columns::Two},
                          std::string(print::DefaultHeading), 30, false,
                          core::windowOfRange("999")};
    if (!print::writePdf(print::layOutJob(table, job), file).ok())
        return -1;
    return static_cast<double>(clock.nsecsElapsed());
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    const std::string tableFile = benchtable::takeTableArgument(argc, argv, args);
    if (args.size() < 2) {
        std::cerr << "usage: bench_cli ZELMORIO BARE [RUNS] [--table=FILE]\n";
        return 1;
    }
    const int runs = args.size() > 2 ? std::max(1, std::atoi(args[2].c_str())) : 11;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    widgets::installFontSubstitutions();

    QTemporaryDir dir;
    const std::string sheet = dir.filePath(QStringLiteral("cli.pdf")).toStdString();
    const std::vector<std::string> command{args[0],   "--scheda", "999",         "m",
                                           "--copie", "30",       "--soluzioni", "--seme",
                                           "1",       "--pdf",    sheet};
    const std::vector<std::string> bare{args[1]};
    const QString jobFile = dir.filePath(QStringLiteral("job.pdf"));

    // One untimed round fills the page cache and loads the fonts of this process.
    if (runProcess(command) < 0 || runProcess(bare) < 0 || printJob(jobFile) < 0) {
        std::cerr << "bench_cli: the command, the bare program or the print job failed\n";
        return 1;
    }
    std::vector<double> cli, start, job;
    for (int i = 0; i < runs; ++i) {
        // Alternate the order, so a drift of the machine hits all three alike.
        double c = 0, b = 0, j = 0;
        if (i % 2) {
            c = runProcess(command);
            b = runProcess(bare);
            j = printJob(jobFile);
        } else {
            b = runProcess(bare);
            j = printJob(jobFile);
            c = runProcess(command);
        }
        if (c < 0 || b < 0 || j < 0) {
            std::cerr << "bench_cli: run " << i << " failed\n";
            return 1;
        }
        cli.push_back(c);
        start.push_back(b);
        job.push_back(j);
    }

    const double whole = median(cli), bareStart = median(start), inProcess = median(job);
    const double ratio = whole / (bareStart + inProcess);
    const auto ms = [](double ns) { return benchtable::formatDuration(ns); };
    char ratioText[32];
    std::snprintf(ratioText, sizeof ratioText, "%.2f ×", ratio);
    std::string rows;
    rows += benchtable::row("cli/bare Qt start-up to exit", ms(bareStart), "–", "–", "–", "–", "–");
    rows += benchtable::row("cli/in-process job, 30 copies to PDF", ms(inProcess), "–", "–", "–",
                            "–", "–");
    rows += benchtable::row("cli/zelmorio --scheda 999 m --copie 30 --soluzioni --pdf", ms(whole),
                            "–", "≤ 2 × (start-up + job)", "–", "–", "–");
    rows += benchtable::row("cli/ratio to start-up + job", ratioText, "–", "≤ 2 ×",
                            ratio <= 2.0 ? "yes" : "**no**", "–", "–");
    std::cout << "command line, " << runs << " runs each (median, wall clock):\n"
              << benchtable::header() << rows << std::flush;
    return benchtable::appendRows(tableFile, rows) ? 0 : 1;
}
