#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark of an already built bench tree, prints the table of medians against
# their budgets and writes it, with the machine it ran on, to bench/results.md.
#   bench/run.sh BUILD_DIR
set -eu
build=${1:?usage: bench/run.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
out="$here/results.md"
rows="$build/bench-rows.md"
logs="$build/bench-logs"
mkdir -p "$logs"
: > "$rows"

export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Five repetitions of each figure; the table shows their medians.
reps="--benchmark_repetitions=5 --benchmark_report_aggregates_only=true"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

echo "bench: generators and worksheet tables..."
"$build/bench/bench_generators" $reps --benchmark_min_time=0.05 --table="$rows" \
    > "$logs/generators.txt" 2>&1
echo "bench: every difficulty level of every generator..."
levels="$logs/levels.md"
: > "$levels"
"$build/bench/bench_levels" --table="$levels" > "$logs/levels.txt" 2>&1 || true
echo "bench: print job to PDF..."
"$build/bench/bench_print" $reps --benchmark_min_time=0.3 --table="$rows" \
    > "$logs/print.txt" 2>&1
echo "bench: click in a window..."
"$build/bench/bench_click" $reps --benchmark_min_time=0.2 --table="$rows" \
    > "$logs/click.txt" 2>&1
echo "bench: start-up against a bare Qt program..."
"$build/bench/bench_startup" "$build/bench/bench_startup_app" "$build/bench/bench_startup_bare" \
    21 --table="$rows" > "$logs/startup.txt" 2>&1
echo "bench: the command line against start-up plus the print job..."
"$build/bench/bench_cli" "$build/zelmorio" "$build/bench/bench_startup_bare" 11 \
    --table="$rows" > "$logs/cli.txt" 2>&1

echo "bench: the browser page in Chromium..."
node "$here/web_bench.mjs" --table="$rows" > "$logs/web.txt" 2>&1

load_after=$(cut -d' ' -f1-3 /proc/loadavg)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
mhz=$(sed -n 's/^cpu MHz[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
mem=$(awk '/^MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)
compiler=$(c++ --version | head -n 1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)

{
    echo "# Benchmark results"
    echo
    echo "Written by \`make bench\` ($(date -u '+%Y-%m-%d %H:%M UTC'))."
    echo
    echo "- Machine: $cpu, ${mhz:-?} MHz, $(nproc) cores, $mem RAM, $(uname -sr)"
    echo "- Build: Release (-O2), $compiler, Qt $qt, offscreen platform"
    echo "- Load average (1, 5, 15 min): $load_before before, $load_after after"
    echo
    echo "Medians of five repetitions (start-up: of 21 alternate runs of each program)."
    echo "In-process figures are judged on CPU time, which other load on a shared machine"
    echo "does not inflate; the wall-clock median is shown beside it. The start-up figures"
    echo "are wall-clock ratios to a bare Qt Widgets program run in turn with it."
    echo
    sed -n '/^| Figure/,/^|---/p' "$logs/generators.txt"
    cat "$rows"
    echo
    echo "## Difficulty levels"
    echo
    echo "Every generator with every level it binds (the division cases with each divisor"
    echo "option): the share of the rule's own lines that meet the level, on 20,000 lines, and"
    echo "the CPU time of ten lines with the level. A level is offered where ten lines cost at"
    echo "most 4 ms; a refused pair is costed from its share, never drawn."
    echo
    cat "$levels"
} > "$out"

cat "$out"
echo
echo "Written to $out; full output in $logs/."
