#!/usr/bin/env bash
# Builds the libFuzzer targets and runs every one of them for a bounded time, each on one
# core and a scratch copy of its committed seed corpus (the committed corpus never grows
# here), as many at a time as there are cores.
# A crash, sanitizer report, leak, timeout or reference mismatch fails the stage; the
# input that caused it is kept in build/fuzz/artifacts.
#
# SKARVEL_FUZZ_SECONDS: time per target (default 30; docs/fuzzing.md says why that is enough);
# 0 only replays the seed corpora.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh linux

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

# fuzz MANIFEST: one target on a scratch copy of its seed corpus, its log in the scratch
# folder and, when it passed, a mark beside it.
fuzz() {
    local executable corpus dictionary
    IFS=$'\t' read -r executable corpus dictionary <"$1"
    local name="${executable##*/}"
    local work="$scratch/$name"
    mkdir -p "$work/corpus"
    cp -R "$corpus/." "$work/corpus/"

    local options=(-timeout=10 -print_final_stats=1 "-artifact_prefix=$artifacts/$name-")
    if [ "$seconds" -eq 0 ]; then
        options+=(-runs=0)
    else
        options+=("-max_total_time=$seconds")
    fi
    if [ -n "$dictionary" ]; then
        options+=("-dict=$dictionary")
    fi
    echo "== $name: ${seconds}s on $(find "$corpus" -type f | wc -l) seeds"
    "$executable" "${options[@]}" "$work/corpus" >"$work/log" 2>&1 && touch "$work/passed"
}

# Each target runs on one core: as many at a time as there are cores.
for manifest in "${manifests[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
    fuzz "$manifest" &
done
wait

failed=()
for manifest in "${manifests[@]}"; do
    IFS=$'\t' read -r executable _ <"$manifest"
    name="${executable##*/}"
    if [ -f "$scratch/$name/passed" ]; then
        echo "== $name"
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
            "$scratch/$name/log"
    else
        tail -n 80 "$scratch/$name/log"
        echo "== $name FAILED; the input is in $artifacts" >&2
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzz findings in: ${failed[*]}" >&2
    exit 1
fi
