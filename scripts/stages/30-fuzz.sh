#!/usr/bin/env bash
# Builds the libFuzzer targets and runs every one of them for a bounded time, each on a
# scratch copy of its committed seed corpus (the committed corpus never grows here).
# A crash, sanitizer report, leak, timeout or reference mismatch fails the stage; the
# input that caused it is kept in build/fuzz/artifacts.
#
# SKARVEL_FUZZ_SECONDS: time per target (default 30; docs/fuzzing.md says why that is enough);
# 0 only replays the seed corpora.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds="${SKARVEL_FUZZ_SECONDS:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
    echo "SKARVEL_FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2
    exit 2
fi

cmake --preset fuzz
cmake --build --preset fuzz -j2

# Each fuzz target leaves a manifest: executable, seed corpus, dictionary (may be empty).
shopt -s nullglob
manifests=(build/fuzz/fuzz/targets/*.tsv)
if [ ${#manifests[@]} -eq 0 ]; then
    echo "No fuzz targets were built" >&2
    exit 1
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
artifacts="$PWD/build/fuzz/artifacts"
mkdir -p "$artifacts"

failed=()
for manifest in "${manifests[@]}"; do
    IFS=$'\t' read -r executable corpus dictionary <"$manifest"
    name="${executable##*/}"
    work="$scratch/$name"
    mkdir -p "$work/corpus"
    cp -R "$corpus/." "$work/corpus/"

    options=(-timeout=10 -print_final_stats=1 "-artifact_prefix=$artifacts/$name-")
    if [ "$seconds" -eq 0 ]; then
        options+=(-runs=0)
    else
        options+=("-max_total_time=$seconds")
    fi
    if [ -n "$dictionary" ]; then
        options+=("-dict=$dictionary")
    fi

    echo "== $name: ${seconds}s on $(find "$corpus" -type f | wc -l) seeds"
    if "$executable" "${options[@]}" "$work/corpus" >"$work/log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$work/log"
    else
        tail -n 80 "$work/log"
        echo "== $name FAILED; the input is in $artifacts" >&2
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzz findings in: ${failed[*]}" >&2
    exit 1
fi
