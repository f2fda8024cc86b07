// SPDX-License-Identifier: GPL-3.0-or-later
// Times the program's start-up against a bare Qt Widgets program, run alternately in the
// same session: process start (fork) to the first window painted, and peak RSS (wait4).
//
//   bench_startup APP BARE [RUNS] [--table=FILE]
#include "support/benchtable.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Sample {
    double paintedNs = 0; // fork to first paint
    double exitedNs = 0;  // fork to exit
    double cpuNs = 0;     // user and system time of the whole run
    long peakKb = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const std::string& program, Sample& sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO); // platform plugin chatter
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const long long end = monotonicNs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    sample.paintedNs = static_cast<double>(std::atoll(text.c_str()) - start);
    sample.exitedNs = static_cast<double>(end - start);
    sample.cpuNs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e9 +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e3;
    sample.peakKb = usage.ru_maxrss;
    return true;
}

template <typename F> double median(const std::vector<Sample>& samples, F field)
{
    std::vector<double> values;
    for (const Sample& s : samples)
        values.push_back(static_cast<double>(field(s)));
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    const std::string tableFile = benchtable::takeTableArgument(argc, argv, args);
    if (args.size() < 2) {
        std::cerr << "usage: bench_startup APP BARE [RUNS] [--table=FILE]\n";
        return 1;
    }
    const int runs = args.size() > 2 ? std::max(1, std::atoi(args[2].c_str())) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<Sample> app, bare;
    Sample warm;
    if (!runOnce(args[1], warm) || !runOnce(args[0], warm)) { // fill the page cache
        std::cerr << "bench_startup: a program did not start or did not paint\n";
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        // Alternate which one goes first, so a drift of the machine hits both alike.
        Sample a, b;
        const bool ok = i % 2 ? runOnce(args[0], a) && runOnce(args[1], b)
                              : runOnce(args[1], b) && runOnce(args[0], a);
        if (!ok) {
            std::cerr << "bench_startup: run " << i << " failed\n";
            return 1;
        }
        app.push_back(a);
        bare.push_back(b);
    }

    const auto painted = [](const Sample& s) { return s.paintedNs; };
    const auto exited = [](const Sample& s) { return s.exitedNs; };
    const auto peak = [](const Sample& s) { return s.peakKb; };
    const double appPaint = median(app, painted), barePaint = median(bare, painted);
    const double appRss = median(app, peak), bareRss = median(bare, peak);
    const double paintRatio = appPaint / barePaint, rssRatio = appRss / bareRss;

    std::cout << "start-up, " << runs << " alternate runs each (median):\n"
              << "  program:  painted " << benchtable::formatDuration(appPaint) << ", exited "
              << benchtable::formatDuration(median(app, exited)) << ", peak RSS "
              << fixed(appRss / 1024, 1) << " MB\n"
              << "  bare Qt:  painted " << benchtable::formatDuration(barePaint) << ", exited "
              << benchtable::formatDuration(median(bare, exited)) << ", peak RSS "
              << fixed(bareRss / 1024, 1) << " MB\n";

    const auto cpu = [](const Sample& s) { return s.cpuNs; };
    const auto verdict = [](double ratio) { return ratio <= 2.0 ? "yes" : "**no**"; };
    const auto ms = [](double ns) { return benchtable::formatDuration(ns); };
    const auto mb = [](double kb) { return fixed(kb / 1024, 1) + " MB"; };
    // The ratios are judged on wall-clock time: both programs run in turn under the same load.
    std::string rows;
    rows += benchtable::row("startup/bare Qt window painted", ms(barePaint), ms(median(bare, cpu)),
                            "–", "–", "–", "–");
    rows += benchtable::row("startup/main menu painted", ms(appPaint), ms(median(app, cpu)),
                            "≤ 2 × bare", "–", "–", "–");
    rows += benchtable::row("startup/ratio to bare Qt", fixed(paintRatio, 2) + " ×", "–", "≤ 2 ×",
                            verdict(paintRatio), "–", "–");
    rows += benchtable::row("startup/peak RSS bare Qt", mb(bareRss), "–", "–", "–", "–", "–");
    rows +=
        benchtable::row("startup/peak RSS program", mb(appRss), "–", "≤ 2 × bare", "–", "–", "–");
    rows += benchtable::row("startup/peak RSS ratio", fixed(rssRatio, 2) + " ×", "–", "≤ 2 ×",
                            verdict(rssRatio), "–", "–");
    std::cout << '\n' << benchtable::header() << rows << std::flush;
    return benchtable::appendRows(tableFile, rows) ? 0 : 1;
}
