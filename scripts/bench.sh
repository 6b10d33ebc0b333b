#!/usr/bin/env bash
# Builds the benchmarks as the program ships (Release) and prints every figure: the
# core's attack pass and number parsing, one Attack press through the real window, and
# start-up time, peak and private memory against an empty Qt window and against the
# floor, a window with one line of text (the ratio and excess the targets apply to),
# offscreen and under Xvfb; then the memory probe's resident memory over 20,000 About and
# Attack cycles of the program as it starts.
#
# SKARVEL_STARTUP_RUNS: starts of each program per platform (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh linux

runs="${SKARVEL_STARTUP_RUNS:-30}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
    echo "SKARVEL_STARTUP_RUNS must be a positive whole number, not '$runs'" >&2
    exit 2
fi

cmake --preset bench >/dev/null
cmake --build --preset bench -j2
bench=build/bench/bench
probes=("$bench/startup_probe_empty" "$bench/startup_probe_label" "$bench/startup_probe_skarvel")

# Qt warns on every start when the runtime directory is missing; give it a private one.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

echo "== machine: $(nproc) CPUs, $(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== core"
"$bench/core_bench"

xvfb=(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" env QT_QPA_PLATFORM=xcb)
echo "== one Attack press through the window, offscreen"
QT_QPA_PLATFORM=offscreen "$bench/attack_bench"
echo "== one Attack press through the window, Xvfb"
"${xvfb[@]}" "$bench/attack_bench"

echo "== start-up and peak memory, offscreen"
QT_QPA_PLATFORM=offscreen "$bench/startup_bench" --runs "$runs" "${probes[@]}"
echo "== start-up and peak memory, Xvfb (one server for all runs)"
"${xvfb[@]}" "$bench/startup_bench" --runs "$runs" "${probes[@]}"
echo "== resident memory over About and Attack cycles, offscreen (tools/memory_probe)"
# Offscreen, the platform warns at every window it cannot raise or size as asked.
QT_QPA_PLATFORM=offscreen build/bench/tools/memory_probe 20000 \
    2> >(grep -v '^This plugin does not support' >&2)
